#include "updater/install_record.h"

#include <algorithm>
#include <stdexcept>

#include "platform/registry.h"

namespace updater {
namespace {

std::runtime_error recordError(const char* what, std::string_view name) {
  return std::runtime_error(std::string(what) + " '" + std::string(name) + "'");
}

}  // namespace

InstallRecord::InstallRecord(unsigned keyNumber)
    : keyPath_("Software\\Kerovana\\" + std::to_string(keyNumber)) {}

std::string InstallRecord::ReadInstallValue(std::string_view name) const {
  const auto key = platform::MachineKey::open(keyPath_);
  if (!key) return {};
  const auto info = key->queryInfo(name);
  if (!info || info->size == 0) return {};
  auto data = key->queryData(name, info->size);
  if (!data) throw recordError("Failed to get data for", name);
  if (info->type != platform::kRegSz && info->type != platform::kRegExpandSz) {
    throw recordError("Invalid data type for", name);
  }
  // Stored data need not end in a NUL; the text stops at the first one if there is one.
  data->resize(std::min(data->size(), data->find('\0')));
  return std::move(*data);
}

void InstallRecord::WriteInstallValue(std::string_view name, std::string_view text) const {
  auto key = platform::MachineKey::open(keyPath_);
  std::string data(text);
  data.push_back('\0');
  if (!key || !key->setValue(name, platform::kRegSz, data)) throw recordError("Failed to set data for", name);
}

}  // namespace updater
