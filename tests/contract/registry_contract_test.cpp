// The registry layer's contract. The same cases run natively against the
// in-memory store and under Wine against the real registry.
#include "contract/contract_backend.h"
#include "raised.h"
#include "registry/error.h"
#include "registry/ini_file.h"
#include "registry/registry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ventaro {
namespace {

using namespace platform;
using test::Raised;

constexpr const char* kBase = "Software\\VentaroContract";

class RegistryContract : public testing::Test {
protected:
    void SetUp() override
    {
        backend_ = test::MakeContractBackend();
        backend_->DeleteKeyTree(kCurrentUser, kBase);
    }
    void TearDown() override { backend_->DeleteKeyTree(kCurrentUser, kBase); }

    RegistryApi& Api() { return backend_->Registry(); }
    static std::string Path(const std::string& tail) { return std::string(kBase) + "\\" + tail; }
    // The same key, spelled from the root with a leading backslash.
    static std::string FromRoot(const std::string& tail)
    {
        std::string path(1, '\\');
        path += Path(tail);
        return path;
    }

    void SetRaw(const std::string& path, const std::string& name, std::uint32_t type, const std::string& bytes)
    {
        RegKey key = 0;
        ASSERT_EQ(Api().CreateKey(kCurrentUser, path, kKeyAllAccess, key), kSuccess);
        ScopedKey scoped(Api(), key);
        ASSERT_EQ(Api().SetValue(key, name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
            kSuccess);
    }

    // Runs the call and returns the text it raised, or "" when it raised nothing.
    std::unique_ptr<test::ContractBackend> backend_;
};

TEST_F(RegistryContract, LeadingBackslashAndCaseReachTheSameKey)
{
    {
        TRegistry reg(Api());
        ASSERT_TRUE(reg.OpenKey(Path("Services\\Tcpip\\Parameters"), true));
        reg.WriteString("Probe", "same");
    }
    const std::string paths[] = {FromRoot("Services\\Tcpip\\Parameters"), Path("SERVICES\\TCPIP\\parameters"),
        "\\SOFTWARE\\ventarocontract\\Services\\Tcpip\\Parameters"};
    for (const auto& path : paths) {
        TRegistry reg(Api());
        ASSERT_TRUE(reg.OpenKey(path, false)) << path;
        EXPECT_EQ(reg.ReadString("PROBE"), "same") << path;
    }
}

TEST_F(RegistryContract, RelativePathsResolveAgainstTheOpenKey)
{
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("VxD"), true));
    ASSERT_TRUE(reg.OpenKey("MSTCP", true));
    EXPECT_EQ(reg.CurrentPath(), Path("VxD\\MSTCP"));
    reg.WriteString("MaxMTU", "576");
    EXPECT_TRUE(backend_->KeyExists(kCurrentUser, Path("VxD\\MSTCP")));

    // A failed open leaves the open key as it was.
    EXPECT_FALSE(reg.OpenKey("Missing", false));
    EXPECT_EQ(reg.CurrentPath(), Path("VxD\\MSTCP"));
    EXPECT_EQ(reg.ReadString("MaxMTU"), "576");
}

TEST_F(RegistryContract, ChangingTheRootClosesTheOpenKey)
{
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("Root"), true));
    reg.SetRootKey(kCurrentUser);
    EXPECT_TRUE(reg.HasOpenKey());
    reg.SetRootKey(kLocalMachine);
    EXPECT_FALSE(reg.HasOpenKey());
    EXPECT_EQ(Raised([&] { reg.WriteString("X", "1"); }), "Failed to set data for 'X'");
}

TEST_F(RegistryContract, IniWriteStringCreatesTheSectionAndKeepsTheOpenKey)
{
    TRegIniFile ini(Api());
    ASSERT_TRUE(ini.OpenKey(FromRoot("Services\\VxD"), true));
    ini.WriteString("MSTCP", "DefaultTTL", "64");
    EXPECT_TRUE(backend_->KeyExists(kCurrentUser, Path("Services\\VxD\\MSTCP")));
    EXPECT_EQ(ini.ReadString("MSTCP", "DefaultTTL", "none"), "64");
    EXPECT_EQ(ini.CurrentPath(), Path("Services\\VxD"));
    // Value calls still act on the key that was open before.
    EXPECT_FALSE(ini.ValueExists("DefaultTTL"));
    ini.WriteString("", "Direct", "yes");
    EXPECT_EQ(ini.ReadString("Direct"), "yes");
}

TEST_F(RegistryContract, IniEmptyIdentWritesTheDefaultValueOfTheSection)
{
    TRegIniFile ini(Api());
    ASSERT_TRUE(ini.OpenKey(FromRoot("NWLink\\Ndi\\params"), true));
    ini.WriteString("cachesize", "", "32");
    TRegistry check(Api());
    ASSERT_TRUE(check.OpenKey(Path("NWLink\\Ndi\\params\\cachesize"), false));
    EXPECT_EQ(check.GetDataType(""), RegDataType::String);
    EXPECT_EQ(check.ReadString(""), "32");
}

TEST_F(RegistryContract, IniReadStringFallsBackForMissingSectionOrIdent)
{
    SetRaw(Path("Sec"), "Num", kRegDword, std::string("\x05\0\0\0", 4));
    TRegIniFile ini(Api());
    EXPECT_EQ(ini.ReadString(Path("Nowhere"), "X", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString(Path("Sec"), "Missing", "dflt"), "dflt");
    EXPECT_EQ(Raised([&] { ini.ReadString(Path("Sec"), "Num", "dflt"); }), "Invalid data type for 'Num'");
}

TEST_F(RegistryContract, IniDeleteKeyRemovesAValueNeverASubkey)
{
    SetRaw(Path("Class\\NetTrans"), "0001", kRegSz, std::string("x\0", 2));
    SetRaw(Path("Class\\NetTrans\\0001"), "DriverDesc", kRegSz, std::string("TCP/IP\0", 7));
    TRegIniFile ini(Api());
    ini.DeleteKey(Path("Class\\NetTrans"), "0001");
    ini.DeleteKey(Path("Class\\NetTrans"), "0002"); // neither value nor key: nothing happens
    ini.DeleteKey(Path("Class\\Missing"), "0001");
    TRegistry check(Api());
    ASSERT_TRUE(check.OpenKey(Path("Class\\NetTrans"), false));
    EXPECT_FALSE(check.ValueExists("0001"));
    EXPECT_TRUE(backend_->KeyExists(kCurrentUser, Path("Class\\NetTrans\\0001")));
    EXPECT_FALSE(backend_->KeyExists(kCurrentUser, Path("Class\\Missing")));
}

struct TypeCase {
    const char* name;
    std::uint32_t type;
    std::string bytes;
    RegDataType dataType;
};

TEST_F(RegistryContract, DataTypeOfEachStoredType)
{
    const TypeCase cases[] = {
        {"Sz", kRegSz, std::string("a\0", 2), RegDataType::String},
        {"Expand", kRegExpandSz, std::string("%x%\0", 4), RegDataType::ExpandString},
        {"Dword", kRegDword, std::string("\1\0\0\0", 4), RegDataType::Integer},
        {"Binary", kRegBinary, std::string("\1", 1), RegDataType::Binary},
        {"Multi", kRegMultiSz, std::string("a\0\0", 3), RegDataType::None},
    };
    for (const auto& c : cases)
        SetRaw(Path("Types"), c.name, c.type, c.bytes);
    TRegistry reg(Api());
    EXPECT_EQ(reg.GetDataType("Sz"), RegDataType::None) << "no key open";
    ASSERT_TRUE(reg.OpenKeyReadOnly(Path("Types")));
    for (const auto& c : cases)
        EXPECT_EQ(reg.GetDataType(c.name), c.dataType) << c.name;
    EXPECT_EQ(reg.GetDataType("Missing"), RegDataType::None);
    EXPECT_FALSE(reg.ValueExists("Missing"));
    EXPECT_TRUE(reg.ValueExists("Multi"));
}

TEST_F(RegistryContract, ReadStringStopsAtTheFirstNul)
{
    SetRaw(Path("Str"), "Inner", kRegSz, std::string("ab\0cd\0", 6));
    SetRaw(Path("Str"), "Empty", kRegSz, std::string());
    SetRaw(Path("Str"), "Expand", kRegExpandSz, std::string("%SystemRoot%\0", 13));
    SetRaw(Path("Str"), "Dword", kRegDword, std::string("\1\0\0\0", 4));
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKeyReadOnly(Path("Str")));
    EXPECT_EQ(reg.ReadString("Inner"), "ab");
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_EQ(reg.ReadString("Expand"), "%SystemRoot%");
    EXPECT_EQ(reg.ReadString("Missing"), "");
    EXPECT_EQ(Raised([&] { reg.ReadString("Dword"); }), "Invalid data type for 'Dword'");
}

TEST_F(RegistryContract, ReadIntegerChecksSizeThenType)
{
    SetRaw(Path("Int"), "Dword", kRegDword, std::string("\x40\x02\0\0", 4));
    SetRaw(Path("Int"), "Negative", kRegDword, std::string("\xff\xff\xff\xff", 4));
    SetRaw(Path("Int"), "LongText", kRegSz, std::string("123456\0", 7));
    SetRaw(Path("Int"), "ShortText", kRegSz, std::string("12\0", 3));
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("Int"), false));
    EXPECT_EQ(reg.ReadInteger("Dword"), 576);
    EXPECT_EQ(reg.ReadInteger("Negative"), -1);
    EXPECT_EQ(Raised([&] { reg.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
    EXPECT_EQ(Raised([&] { reg.ReadInteger("LongText"); }), "Failed to get data for 'LongText'");
    EXPECT_EQ(Raised([&] { reg.ReadInteger("ShortText"); }), "Invalid data type for 'ShortText'");
}

TEST_F(RegistryContract, ReadBinaryIntoTheCallersBuffer)
{
    SetRaw(Path("Bin"), "One", kRegBinary, "\x07");
    SetRaw(Path("Bin"), "Two", kRegBinary, "\x01\x02");
    SetRaw(Path("Bin"), "Dword", kRegDword, std::string("\1\0\0\0", 4));
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("Bin"), false));
    std::uint8_t byte = 0xAA;
    EXPECT_EQ(reg.ReadBinaryData("Missing", &byte, 1), 0u);
    EXPECT_EQ(byte, 0xAA);
    EXPECT_EQ(reg.ReadBinaryData("One", &byte, 1), 1u);
    EXPECT_EQ(byte, 0x07);
    EXPECT_EQ(Raised([&] { reg.ReadBinaryData("Two", &byte, 1); }), "Invalid data type for 'Two'");
    EXPECT_EQ(Raised([&] { reg.ReadBinaryData("Dword", &byte, 1); }), "Invalid data type for 'Dword'");
}

TEST_F(RegistryContract, WritesStoreTheirTypesAndRoundTrip)
{
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("Write"), true));
    reg.WriteString("Text", "1500");
    reg.WriteInteger("Number", -2);
    const std::uint8_t one = 1;
    reg.WriteBinaryData("Byte", &one, 1);
    EXPECT_EQ(reg.GetDataType("Text"), RegDataType::String);
    EXPECT_EQ(reg.ReadString("Text"), "1500");
    EXPECT_EQ(reg.ReadInteger("Number"), -2);
    std::uint8_t back = 0;
    EXPECT_EQ(reg.ReadBinaryData("Byte", &back, 1), 1u);
    EXPECT_EQ(back, 1);
    EXPECT_TRUE(reg.DeleteValue("Text"));
    EXPECT_FALSE(reg.DeleteValue("Text"));
    EXPECT_FALSE(reg.ValueExists("Text"));
}

TEST_F(RegistryContract, WriteWithNoKeyOpenFails)
{
    TRegistry reg(Api());
    EXPECT_FALSE(reg.OpenKey(Path("Missing"), false));
    EXPECT_EQ(Raised([&] { reg.WriteString("MTU", "1500"); }), "Failed to set data for 'MTU'");
    EXPECT_EQ(Raised([&] { reg.WriteInteger("MTU", 1500); }), "Failed to set data for 'MTU'");
    EXPECT_FALSE(reg.DeleteValue("MTU"));
}

TEST_F(RegistryContract, WriteRegistryIntegerNeverCreatesItsKey)
{
    EXPECT_EQ(
        Raised([&] { WriteRegistryInteger(Api(), kCurrentUser, Path("Missing"), "MaxConnectionsPerServer", 20); }),
        "Failed to set data for 'MaxConnectionsPerServer'");
    EXPECT_FALSE(backend_->KeyExists(kCurrentUser, Path("Missing")));

    SetRaw(Path("Present"), "Other", kRegSz, std::string("\0", 1));
    WriteRegistryInteger(Api(), kCurrentUser, Path("Present"), "MaxConnectionsPerServer", 20);
    EXPECT_EQ(ReadRegistryInteger(Api(), kCurrentUser, Path("Present"), "MaxConnectionsPerServer"), 20);
}

TEST_F(RegistryContract, ReadRegistryIntegerGivesZeroForWhatIsMissing)
{
    SetRaw(Path("Int"), "Value", kRegDword, std::string("\x2a\0\0\0", 4));
    EXPECT_EQ(ReadRegistryInteger(Api(), kCurrentUser, Path("Int"), "Value"), 42);
    EXPECT_EQ(ReadRegistryInteger(Api(), kCurrentUser, Path("Int"), "Missing"), 0);
    EXPECT_EQ(ReadRegistryInteger(Api(), kCurrentUser, Path("Missing"), "Value"), 0);
}

TEST_F(RegistryContract, KeyWithoutWriteRights)
{
    SetRaw(Path("Locked"), "Value", kRegDword, std::string("\x2a\0\0\0", 4));
    if (!backend_->DenyWrite(kCurrentUser, Path("Locked")))
        GTEST_SKIP() << "this registry cannot refuse a writing open";
    struct Unlock {
        test::ContractBackend& backend;
        ~Unlock() { backend.AllowWrite(kCurrentUser, Path("Locked")); }
    } unlock{*backend_};

    // Full-access opens fail, so the integer reads as missing and writing raises.
    EXPECT_EQ(ReadRegistryInteger(Api(), kCurrentUser, Path("Locked"), "Value"), 0);
    EXPECT_EQ(Raised([&] { WriteRegistryInteger(Api(), kCurrentUser, Path("Locked"), "Value", 1); }),
        "Failed to set data for 'Value'");
    TRegistry reg(Api());
    EXPECT_FALSE(reg.OpenKey(Path("Locked"), false));
    EXPECT_EQ(Raised([&] { reg.CreateKey(Path("Locked")); }), "Failed to create key " + Path("Locked"));
    // The read-only open falls back and still sees the value.
    ASSERT_TRUE(reg.OpenKeyReadOnly(Path("Locked")));
    EXPECT_EQ(reg.ReadInteger("Value"), 42);
    EXPECT_NE(reg.Access(), kKeyAllAccess);
}

TEST_F(RegistryContract, CreateKeyCreatesTheChainAndLeavesTheOpenKey)
{
    TRegistry reg(Api());
    ASSERT_TRUE(reg.OpenKey(Path("A"), true));
    EXPECT_TRUE(reg.CreateKey("B\\C"));
    EXPECT_TRUE(backend_->KeyExists(kCurrentUser, Path("A\\B\\C")));
    EXPECT_EQ(reg.CurrentPath(), Path("A"));
}

// Profile files: the system's own rules decide what Win.ini looks like after
// Ventaro writes its port lines; the in-memory store must agree with them.
// It is the system's own Win.ini: under Wine the throwaway prefix's.
class ProfileContract : public RegistryContract {
protected:
    void SetUp() override
    {
        RegistryContract::SetUp();
        saved_ = backend_->ReadFile(File());
    }
    void TearDown() override
    {
        backend_->WriteFile(File(), saved_);
        RegistryContract::TearDown();
    }
    std::string File() { return WinIniPath(backend_->Profile()); }

private:
    std::string saved_;
};

TEST_F(ProfileContract, PortLinesReplaceInPlaceAndAppendToTheirSection)
{
    // No blank lines: Wine drops them when it rewrites a file, Windows keeps them.
    backend_->WriteFile(File(),
        "; for 16-bit app support\r\n[fonts]\r\n[Ports]\r\nLPT1:=\r\ncom1:=9600,n,8,1,x\r\n"
        "[mail]\r\nMAPI=1\r\n");
    {
        TIniFile ini(backend_->Profile(), File());
        ini.WriteString("ports", "COM1:", "115200,n,8,1,x");
        ini.WriteString("Ports", "COM2:", "115200,n,8,1,x");
        EXPECT_EQ(ini.ReadString("PORTS", "Com1:", "none"), "115200,n,8,1,x");
        EXPECT_EQ(ini.ReadString("Ports", "COM9:", "none"), "none");
        EXPECT_EQ(ini.ReadString("Nowhere", "COM1:", "none"), "none");
    }
    EXPECT_EQ(backend_->ReadFile(File()),
        "; for 16-bit app support\r\n[fonts]\r\n[Ports]\r\nLPT1:=\r\n"
        "com1:=115200,n,8,1,x\r\nCOM2:=115200,n,8,1,x\r\n[mail]\r\nMAPI=1\r\n");
}

TEST_F(ProfileContract, MissingSectionIsAppended)
{
    backend_->WriteFile(File(), "[mail]\r\nMAPI=1\r\n");
    {
        TIniFile ini(backend_->Profile(), File());
        ini.WriteString("Ports", "COM1:", "9600,n,8,1,x");
        ini.WriteString("Ports", "COM2:", "9600,n,8,1,x");
    }
    EXPECT_EQ(
        backend_->ReadFile(File()), "[mail]\r\nMAPI=1\r\n[Ports]\r\nCOM1:=9600,n,8,1,x\r\nCOM2:=9600,n,8,1,x\r\n");
}

TEST_F(ProfileContract, ReadsAreCutAt2047Characters)
{
    backend_->WriteFile(File(), "[Ports]\r\nCOM1:=" + std::string(3000, '9') + "\r\n");
    TIniFile ini(backend_->Profile(), File());
    EXPECT_EQ(ini.ReadString("Ports", "COM1:", ""), std::string(2047, '9'));
}

TEST_F(ProfileContract, UnwritableFileRaisesWithItsPath)
{
    const std::string file = backend_->ScratchFolder() + "\\no such folder\\win.ini";
    TIniFile ini(backend_->Profile(), file);
    EXPECT_EQ(Raised([&] { ini.WriteString("Ports", "COM1:", "9600"); }), "Unable to write to " + file);
}

} // namespace
} // namespace ventaro
