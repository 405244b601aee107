#include "engine_fixture.h"
#include "registry/reader.h"

namespace ventaro {
namespace {

using namespace test;


class ReaderTest : public EngineFixture {
protected:
    void ReadAs(WindowsVersion version)
    {
        SetVersion(version);
        ReadCurrentSettings(sys.api, panel);
    }
};

// What a stored DefaultTTL shows, by family and by how it is stored.
struct TtlCase {
    const char* label;
    WindowsVersion version;
    bool asString;
    std::string text;
    std::uint32_t number;
    const char* shown;
    const char* option;
};

void PrintTo(const TtlCase& c, std::ostream* os) { *os << c.label; }

class ReaderTtl : public ReaderTest, public testing::WithParamInterface<TtlCase> { };

TEST_P(ReaderTtl, ShowsTheValueAndItsOption)
{
    const auto& c = GetParam();
    const bool nt = c.version == WindowsVersion::WindowsXP;
    if (c.asString)
        PutSz(HKLM, nt ? kTcpip : kMstcp, "DefaultTTL", c.text);
    else
        PutDword(HKLM, nt ? kTcpip : kMstcp, "DefaultTTL", c.number);
    ReadAs(c.version);
    EXPECT_EQ(panel.Edit1.Text(), c.shown);
    if (c.option) {
        EXPECT_TRUE(form.Find<controls::TglCheckBox>(c.option)->Checked());
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, ReaderTtl,
    testing::Values(TtlCase{"Win9xString", WindowsVersion::Windows98SE, true, "64", 0, "64", "RadioButton6"},
        TtlCase{"Win9xInteger", WindowsVersion::Windows98SE, false, "", 64, "64", "RadioButton6"},
        TtlCase{"Win9xLetters", WindowsVersion::Windows98SE, true, "abc", 0, "abc", "RadioButton8"},
        TtlCase{"Win9xAllBits", WindowsVersion::Windows95, false, "", 0xFFFFFFFF, "4294967295", "RadioButton8"},
        TtlCase{"NTString", WindowsVersion::WindowsXP, true, "80", 0, "80", "RadioButton8"},
        TtlCase{"NTNotANumber", WindowsVersion::WindowsXP, true, "x80", 0, "0", nullptr},
        TtlCase{"NTLeadingBlanks", WindowsVersion::WindowsXP, true, "  80", 0, "80", nullptr},
        TtlCase{"NTInteger", WindowsVersion::WindowsXP, false, "", 128, "128", "RadioButton7"}));

TEST_F(ReaderTest, Win9xFlagsTakeExactlyOne)
{
    panel.CheckBox4.SetChecked(true); // SackOpts missing: keeps its state
    PutSz(HKLM, kMstcp, "PMTUDiscovery", "1");
    PutSz(HKLM, kMstcp, "PMTUBlackHoleDetect", "01");
    PutDword(HKLM, kMstcp, "Tcp1323Opts", 1);
    PutDword(HKLM, kMstcp, "BSDUrgent", 2);
    ReadAs(WindowsVersion::Windows98);
    EXPECT_TRUE(panel.CheckBox2.Checked());
    EXPECT_FALSE(panel.CheckBox1.Checked());
    EXPECT_TRUE(panel.CheckBox7.Checked());
    EXPECT_FALSE(panel.glCheckBox6.Checked());
    EXPECT_TRUE(panel.CheckBox4.Checked());
}

TEST_F(ReaderTest, DupAcksCheckOnTwoOrThree)
{
    const std::pair<std::uint32_t, bool> cases[] = {{1, false}, {2, true}, {3, true}, {4, false}};
    for (const auto& [value, checked] : cases) {
        PutDword(HKLM, kTcpip, "TcpMaxDupAcks", value);
        ReadAs(WindowsVersion::Windows2000);
        EXPECT_EQ(panel.CheckBox5.Checked(), checked) << "NT " << value;
        PutSz(HKLM, Svc("VxD\\MSTCP\\Parameters"), "MaxDupAcks", std::to_string(value));
        ReadAs(WindowsVersion::WindowsME);
        EXPECT_EQ(panel.CheckBox5.Checked(), checked) << "Win9x " << value;
    }
}

TEST_F(ReaderTest, Win9xCacheSizeMissingEmptiesTheField)
{
    panel.Edit3.SetText("32");
    ReadAs(WindowsVersion::Windows98);
    EXPECT_EQ(panel.Edit3.Text(), "");
    EXPECT_TRUE(panel.RadioButton12.Checked());

    PutDword(HKLM, Svc("VxD\\NWLink\\Ndi\\params\\cachesize"), "", 16);
    ReadAs(WindowsVersion::Windows98);
    EXPECT_EQ(panel.Edit3.Text(), "16");
    EXPECT_TRUE(panel.RadioButton13.Checked());
}

TEST_F(ReaderTest, NTKeepAliveRoundsHalvesToEven)
{
    const std::pair<std::uint32_t, const char*> cases[]
        = {{600000, "600"}, {3600000, "3600"}, {1500, "2"}, {2500, "2"}, {3500, "4"}, {2501, "3"}, {499, "0"}};
    for (const auto& [ms, shown] : cases) {
        PutDword(HKLM, Svc("Netbt\\Parameters"), "SessionKeepAlive", ms);
        ReadAs(WindowsVersion::WindowsXP);
        EXPECT_EQ(panel.Edit5.Text(), shown) << ms;
    }
    EXPECT_TRUE(panel.RadioButton19.Checked());
    PutDword(HKLM, Svc("Netbt\\Parameters"), "SessionKeepAlive", 600000);
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_TRUE(panel.RadioButton18.Checked());
}

TEST_F(ReaderTest, NTMissingNumbersReadAsZeroAndFlagsUncheck)
{
    panel.CheckBox1.SetChecked(true);
    PutDword(HKLM, kTcpip, "EnablePMTUDiscovery", 1);
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_TRUE(panel.CheckBox2.Checked());
    EXPECT_FALSE(panel.CheckBox1.Checked());
    EXPECT_EQ(panel.Edit3.Text(), "0");
    EXPECT_EQ(panel.Edit1.Text(), "0");
    // "0" was already shown, so the TTL group still shows no option.
    EXPECT_FALSE(panel.RadioButton5.Checked() || panel.RadioButton6.Checked() || panel.RadioButton7.Checked()
        || panel.RadioButton8.Checked());
}

TEST_F(ReaderTest, OneByteValues)
{
    struct ByteCase {
        std::optional<std::uint8_t> slownet, start;
        bool slownetChecked, startChecked;
    };
    const ByteCase cases[]
        = {{0, 1, true, true}, {1, 0, false, false}, {7, 2, false, false}, {std::nullopt, std::nullopt, false, false}};
    for (const auto version : {WindowsVersion::Windows98SE, WindowsVersion::WindowsXP}) {
        for (const auto& c : cases) {
            sys.registry.DeleteKeyTree(HKLM, "System");
            if (c.slownet)
                PutByte(HKLM, Svc("Class\\Net\\0000"), "SLOWNET", *c.slownet);
            if (c.start) {
                PutByte(HKLM, Svc("VxD\\COMBUFF"), "Start", *c.start);
                PutByte(HKLM, Svc("VxD\\VCACHE"), "Start", *c.start);
            }
            ReadAs(version);
            EXPECT_EQ(panel.CheckBox3.Checked(), c.slownetChecked);
            EXPECT_EQ(panel.CheckBox8.Checked(), c.startChecked);
            EXPECT_EQ(panel.CheckBox9.Checked(), c.startChecked);
        }
    }
}

TEST_F(ReaderTest, LongByteValueStopsTheReadWithAnError)
{
    PutSz(HKLM, kMstcp, "DefaultTTL", "64");
    Put(HKLM, Svc("Class\\Net\\0000"), "SLOWNET", platform::kRegBinary, std::string("\0\0", 2));
    SetVersion(WindowsVersion::Windows98);
    panel.Edit1.SetEnabled(true);
    EXPECT_EQ(Raised([&] { ReadCurrentSettings(sys.api, panel); }), "Invalid data type for 'SLOWNET'");
    EXPECT_EQ(panel.Edit1.Text(), "64");
    EXPECT_TRUE(panel.Edit1.Enabled()) << "the fields are disabled only at the end";
    EXPECT_EQ(sys.registry.OpenHandleCount(), 0u);
}

TEST_F(ReaderTest, NdiPairs)
{
    const std::string connect = Svc("VxD\\NWLink\\Ndi\\params\\maxconnect");
    PutSz(HKLM, connect, "min", "2");
    PutSz(HKLM, connect, "max", "128");
    ReadAs(WindowsVersion::Windows98);
    EXPECT_TRUE(panel.glCheckBox8.Checked());
    PutSz(HKLM, connect, "max", "64");
    ReadAs(WindowsVersion::Windows98);
    EXPECT_FALSE(panel.glCheckBox8.Checked());
    // Two forms: the option keeps its state.
    panel.glCheckBox8.SetChecked(true);
    PutDword(HKLM, connect, "max", 128);
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_TRUE(panel.glCheckBox8.Checked());
    PutDword(HKLM, connect, "min", 2);
    PutDword(HKLM, connect, "max", 64);
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_FALSE(panel.glCheckBox8.Checked());
}

TEST_F(ReaderTest, PortLineOfCom4Decides)
{
    SetWinIni("[Ports]\r\nCOM1:=921600,n,8,1,p\r\nCOM2:=921600,n,8,1,p\r\nCOM3:=921600,n,8,1,p\r\n");
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_FALSE(panel.CheckBox6.Checked());
    SetWinIni("[Ports]\r\nCOM4:=921600,n,8,1,p\r\n");
    ReadAs(WindowsVersion::Windows98);
    EXPECT_TRUE(panel.CheckBox6.Checked());
}

TEST_F(ReaderTest, NTCreatesTheSlowNetAndComBufferKeysOnly)
{
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_TRUE(sys.registry.KeyExists(HKLM, Svc("Class\\Net\\0000")));
    EXPECT_TRUE(sys.registry.KeyExists(HKLM, Svc("VxD\\COMBUFF")));
    EXPECT_FALSE(sys.registry.KeyExists(HKLM, Svc("VxD\\VCACHE")));
}

TEST_F(ReaderTest, MtuChangeRecalculatesTheReceiveWindowJustRead)
{
    PutDword(HKLM, kTcpip, "TcpWindowSize", 64240);
    PutDword(HKLM, Svc("Tcpip\\Parameters\\Interfaces\\interface"), "MTU", 1500);
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_EQ(panel.Edit4.Text(), "64240");
    EXPECT_TRUE(panel.RadioButton17.Checked());

    panel.Edit2.SetText("576");
    panel.ComboBox1.SetItemIndex(2); // x8
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_EQ(panel.Edit4.Text(), "11680");
    EXPECT_TRUE(panel.RadioButton16.Checked());
}

TEST_F(ReaderTest, Win9xViewDisablesTheValueFieldsButNotTheExplorerOnes)
{
    panel.RadioButton4.Click(); // Custom Mode enables all seven
    ReadAs(WindowsVersion::Windows98SE);
    for (auto* field : {&panel.Edit1, &panel.Edit2, &panel.Edit3, &panel.Edit4, &panel.Edit5})
        EXPECT_FALSE(field->Enabled()) << field->Name();
    EXPECT_FALSE(panel.ComboBox1.Enabled());
    EXPECT_EQ(panel.Edit1.GetColor(), controls::Color::clWindow) << "colours stay as they were";
    EXPECT_TRUE(panel.Edit6.Enabled());
    EXPECT_TRUE(panel.Edit7.Enabled());

    panel.RadioButton4.Click();
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_TRUE(panel.Edit1.Enabled());
}

TEST_F(ReaderTest, UnknownReadsTheWin9xForm)
{
    PutSz(HKLM, kMstcp, "DefaultTTL", "77");
    PutDword(HKCU, kInternetSettings, "MaxConnectionsPerServer", 10);
    ReadAs(WindowsVersion::Unknown);
    EXPECT_EQ(panel.Edit1.Text(), "77");
    EXPECT_EQ(panel.Edit6.Text(), "10");
    EXPECT_EQ(panel.Edit3.Text(), "");
    EXPECT_FALSE(panel.Edit1.Enabled());
}

TEST_F(ReaderTest, IntegersWithoutWriteAccessReadAsZero)
{
    PutDword(HKLM, kTcpip, "DefaultTTL", 64);
    sys.registry.Deny(HKLM, kTcpip, platform::MemoryRegistry::Denial::Write);
    panel.Edit1.SetText("5");
    ReadAs(WindowsVersion::WindowsXP);
    EXPECT_EQ(panel.Edit1.Text(), "0");
}

} // namespace
} // namespace ventaro
