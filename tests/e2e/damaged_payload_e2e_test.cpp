// A copy of the real updater whose carried payload has one byte flipped, as a bad disk or
// download leaves it: it refuses to install and touches nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <utility>

#include "e2e_fixture.h"

namespace e2e {
namespace {

using driver::BoxIcon;

// Where the payload resource lies in the exe's file: offset and size. A module loaded as a data
// file is the file's bytes as they are, so a resource's address less the module's is its offset.
std::optional<std::pair<std::size_t, std::size_t>> payloadInFile(const std::string& exe,
                                                                 const std::string& fileBytes) {
  const HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return std::nullopt;
  std::optional<std::pair<std::size_t, std::size_t>> found;
  if (const HRSRC info = FindResourceA(module, "UPGRADE", "EXE")) {
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, info)));
    const auto base = reinterpret_cast<std::uintptr_t>(module) & ~std::uintptr_t{3};
    const auto offset = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(bytes) - base);
    const std::size_t size = SizeofResource(module, info);
    if (offset + size <= fileBytes.size() && std::memcmp(fileBytes.data() + offset, bytes, size) == 0)
      found.emplace(offset, size);
  }
  FreeLibrary(module);
  return found;
}

TEST_F(UpdaterTest, ADamagedPayloadIsRefusedAndNothingIsWritten) {
  std::string exe = fileBytes(UPDATER_EXE);
  const auto payload = payloadInFile(UPDATER_EXE, exe);
  ASSERT_TRUE(payload) << "the payload resource was not found in the exe's file";
  exe[payload->first + payload->second / 2] ^= 0x01;
  const std::string folder = prepareInstallFolder(true);
  const std::string damaged = folder + "-damaged.exe";
  std::ofstream(damaged, std::ios::binary).write(exe.data(), static_cast<std::streamsize>(exe.size()));
  storeRecord(folder, "Ralvento v.2.50");
  // A leftover of an earlier run, which an installation would remove.
  std::ofstream(folder + "\\Ralvt.exe.upd-1f4-0.tmp") << "left over";
  const std::string before = fileBytes(targetFile());
  const std::set<std::string> names = installFolderNames();
  const auto window = startUpdater(2, damaged);

  for (const char* attempt : {"first", "again"}) {
    SCOPED_TRACE(attempt);
    driver::clickButton(window, kUpgradeButton);  // still enabled the second time
    const auto error = driver::waitForMessageBox(updater_->id(), 30000);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->title, "Error");
    EXPECT_EQ(error->text, "Programul de actualizare este deteriorat. Descarcati-l din nou.");
    EXPECT_EQ(error->icon, BoxIcon::kError);
    screenshot(error->hwnd, std::string("error-") + attempt);
    driver::pressOk(*error);
    ASSERT_TRUE(driver::waitUntil([&] { return !IsWindow(error->hwnd); }, 5000));
    EXPECT_EQ(fileBytes(targetFile()), before);
    EXPECT_EQ(installFolderNames(), names);
    EXPECT_EQ(recordValue("VER"), "Ralvento v.2.50");
    EXPECT_EQ(driver::logText(window).find("Versiune actualizata."), std::string::npos);
  }
  driver::pressKey(window, VK_ESCAPE, 0);
  EXPECT_EQ(exitCode(), DWORD{0});
  DeleteFileA(damaged.c_str());
}

}  // namespace
}  // namespace e2e
