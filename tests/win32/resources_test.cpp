#include "platform/win32/resource.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct IconCase {
    int id;
    int size;
};

class IconTest : public testing::TestWithParam<IconCase> { };

TEST_P(IconTest, LoadsAtItsSize)
{
    const auto [id, size] = GetParam();
    HICON icon
        = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << GetLastError();
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    EXPECT_EQ(bitmap.bmHeight, size);
    EXPECT_EQ(bitmap.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

INSTANTIATE_TEST_SUITE_P(Icons, IconTest,
    testing::Values(IconCase{IDI_VENTARO, 16}, IconCase{IDI_VENTARO, 32}, IconCase{IDI_VENTARO, 48},
        IconCase{IDI_TOOL_OPTIMIZE, 28}, IconCase{IDI_TOOL_RESTORE, 28}, IconCase{IDI_TOOL_VIEW, 28},
        IconCase{IDI_TOOL_HELP, 28}, IconCase{IDI_TOOL_EXIT, 28}));

struct BitmapCase {
    int id;
    int width;
    int height;
};

class BitmapTest : public testing::TestWithParam<BitmapCase> { };

TEST_P(BitmapTest, LoadsWithItsSize)
{
    const auto [id, width, height] = GetParam();
    HBITMAP handle = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(handle, nullptr) << GetLastError();
    BITMAP bitmap{};
    GetObjectA(handle, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, width);
    EXPECT_EQ(bitmap.bmHeight, height);
    DeleteObject(handle);
}

INSTANTIATE_TEST_SUITE_P(Bitmaps, BitmapTest,
    testing::Values(BitmapCase{IDB_MENU_OPTIMIZE, 16, 16}, BitmapCase{IDB_MENU_VIEW, 16, 16},
        BitmapCase{IDB_MENU_BACKUP, 16, 16}, BitmapCase{IDB_MENU_RESTORE_PREVIOUS, 16, 16},
        BitmapCase{IDB_MENU_RESTORE_DEFAULTS, 16, 16}, BitmapCase{IDB_MENU_EXIT, 16, 16},
        BitmapCase{IDB_MENU_CONTENTS, 16, 16}, BitmapCase{IDB_ABOUT_STRIP, 41, 195}));

std::string VersionValue(const std::vector<char>& block, const char* name)
{
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0)
        return {};
    return std::string(value, length - 1);
}

TEST(VersionTest, NamesTheProductAndVersion)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
    EXPECT_EQ(VersionValue(block, "ProductName"), "Ventaro");
    EXPECT_EQ(VersionValue(block, "ProductVersion"), "1.94");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(94, 1));
}

TEST(ManifestTest, AsksForCommonControls6)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const char* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(text, SizeofResource(nullptr, found));
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

} // namespace
