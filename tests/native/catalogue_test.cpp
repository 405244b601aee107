// Every registry access of a full read, Optimize and restore, on each family,
// must land on a key and value of the tuning-value catalogue.
#include "engine_fixture.h"
#include "registry/applier.h"
#include "registry/catalogue.h"
#include "registry/defaults.h"
#include "registry/reader.h"

#include <algorithm>
#include <cctype>

namespace ventaro {
namespace {

using namespace test;
using Access = platform::MemoryRegistry::Access;

std::string Normal(std::string path)
{
    if (!path.empty() && path.front() == '\\')
        path.erase(0, 1);
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    return path;
}

bool KnownKey(const std::string& path)
{
    const std::string wanted = Normal(path);
    for (const auto* key : catalogue::Keys()) {
        for (const auto form : {key->path, key->otherForm})
            if (!form.empty() && Normal(std::string(form)) == wanted)
                return true;
        // The parent of a key, opened for its section writes.
        if (Normal(catalogue::ParentPath(*key, false)) == wanted)
            return true;
    }
    return false;
}

bool KnownValue(const std::string& path, const std::string& name)
{
    for (const auto& row : catalogue::Values())
        for (const auto form : {row.key->path, row.key->otherForm})
            if (!form.empty() && Normal(std::string(form)) == Normal(path)
                && Normal(std::string(row.name)) == Normal(name))
                return true;
    return false;
}

class CatalogueWalk : public EngineFixture, public testing::WithParamInterface<WindowsVersion> { };

TEST_P(CatalogueWalk, EveryAccessIsCatalogued)
{
    SetVersion(GetParam());
    MakeKey(HKLM, Svc("Tcpip\\Parameters"));
    sys.registry.ClearLog();

    ReadCurrentSettings(sys.api, panel);
    panel.glCheckBox1.Click();
    Optimize(sys.api, panel);
    RestoreWindowsDefaults(sys.api, panel);
    ReadCurrentSettings(sys.api, panel);

    ASSERT_FALSE(sys.registry.Log().empty());
    std::size_t values = 0;
    for (const auto& access : sys.registry.Log()) {
        // Paths are logged from the root; the user's keys are told apart by root elsewhere.
        EXPECT_TRUE(KnownKey(access.key)) << access.key;
        if (access.kind == Access::Kind::Query || access.kind == Access::Kind::Set
            || access.kind == Access::Kind::Delete) {
            EXPECT_TRUE(KnownValue(access.key, access.value)) << access.key << " : " << access.value;
            ++values;
        }
    }
    EXPECT_GT(values, 40u);
    EXPECT_EQ(sys.registry.OpenHandleCount(), 0u) << "every key is closed again";
}

INSTANTIATE_TEST_SUITE_P(Versions, CatalogueWalk,
    testing::Values(WindowsVersion::Windows95, WindowsVersion::Windows98SE, WindowsVersion::Unknown,
        WindowsVersion::WindowsNT4, WindowsVersion::WindowsXP));

TEST(Catalogue, RowsAreInTheirIdOrderAndNamesDiffer)
{
    const auto values = catalogue::Values();
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(values[i].id), i);
    const auto& windo = catalogue::Row(catalogue::V::W2_GlobalMaxTcpWindoSize);
    const auto& window = catalogue::Row(catalogue::V::W2_GlobalMaxTcpWindowSize);
    EXPECT_EQ(windo.name.size(), 21u);
    EXPECT_EQ(window.name.size(), 22u);
    EXPECT_EQ(catalogue::Find(catalogue::N1, "defaultttl"), &catalogue::Row(catalogue::V::N1_DefaultTTL));
    EXPECT_EQ(catalogue::Find(catalogue::N2, "TcpWindowSize"), &catalogue::Row(catalogue::V::N2_TcpWindowSize));
    EXPECT_EQ(catalogue::N2.path.substr(catalogue::N2.path.rfind('\\') + 1), "interface");
}

} // namespace
} // namespace ventaro
