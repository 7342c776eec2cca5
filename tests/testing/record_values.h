#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "platform/registry.h"
#include "updater/install_record.h"

namespace test_support {

// Writes a value of any type into the record's key, as an installer or a user might have left
// it there.
inline void storeRecordValue(const updater::InstallRecord& record, std::string_view name, std::uint32_t type,
                             std::string_view data) {
  auto key = platform::MachineKey::open(record.keyPath());
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->setValue(name, type, data));
}

}  // namespace test_support
