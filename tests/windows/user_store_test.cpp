#include "app/qsettings_backend.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace tarnivel {
namespace {

// The user's store on Windows is one key per application and section under the user's software
// branch. HKEY_CURRENT_USER is redirected to a scratch key meanwhile: the user's own settings
// stay untouched.
TEST(UserStore, SettingsAreValuesOfTheKeySoftwareTarnivelSettings)
{
    constexpr const wchar_t* kScratch = L"Software\\Tarnivel store test";
    HKEY scratch = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &scratch, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, scratch), ERROR_SUCCESS);
    QSettingsBackend(QString()).setValue(kAppName, kSection, "MaxValue", "1234");
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);

    wchar_t data[8] = {};
    DWORD size = sizeof data;
    EXPECT_EQ(RegGetValueW(scratch, L"Software\\Tarnivel\\Settings", L"MaxValue", RRF_RT_REG_SZ,
                           nullptr, data, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, L"1234");
    RegCloseKey(scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
}

} // namespace
} // namespace tarnivel
