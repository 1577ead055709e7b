#include "core/settings/SettingsFile.h"
#include "core/page/PageComposer.h"
#include "core/page/PageModel.h"
#include "core/settings/ValueRules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using namespace halvero;

namespace {

MenuSettings defaults() {
    MenuSettings settings;
    settings.initialise();
    return settings;
}

// Values awkward for a file format; each entry takes those its rules allow.
const std::vector<std::string> kAwkward = {
    "",
    "  leading and trailing  ",
    "say \"hi\"",
    "back\\slash\\",
    "#",
    "key = value # not a comment",
    "caf\xC3\xA9 \xD9\x85\xD9\x86\xD9\x88 \xE2\x80\xA8",
    "#9F",
    "#abc",
    "rgb(1, 2, 3)",
    "7.5em",
    "tab\there\nnew line\r\n",
    "\x01\x1F",
    std::string(10000, 'w'),
};

std::string fileWith(const std::string& body) {
    return "{\n  \"format\": \"halvero-menu\",\n  \"version\": 1,\n" + body + "\n}\n";
}

SettingsFileError refusal(const std::string& text) {
    try {
        SettingsFile::parse(text);
    } catch (const SettingsFileError& error) {
        return error;
    }
    ADD_FAILURE() << "accepted: " << text;
    return SettingsFileError(0, "", "accepted");
}

} // namespace

TEST(SettingsFile, EveryValueRoundTripsExactly) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        MenuSettings settings = defaults();
        for (const Setting& entry : SettingTable::entries()) {
            std::vector<std::string> allowed = entry.offeredItems();
            for (const std::string& value : kAwkward)
                if (entry.kind != InputKind::List && ValueRules::problem(entry, value).empty())
                    allowed.push_back(value);
            settings.setValue(entry.index, allowed[random() % allowed.size()]);
        }
        const SettingsFile::Contents read = SettingsFile::parse(SettingsFile::compose(settings));
        for (const Setting& entry : SettingTable::entries())
            EXPECT_EQ(read.values[static_cast<std::size_t>(entry.index)],
                      settings.value(entry.index))
                << entry.key;
        EXPECT_TRUE(read.unknownKeys.empty());
    }
}

TEST(SettingsFile, TheFileIsReadableJsonUnderTheTableKeys) {
    const std::string text = SettingsFile::compose(defaults());
    EXPECT_EQ(text.rfind("{\n  \"format\": \"halvero-menu\",\n  \"version\": 1,\n  \"menu\": {\n"
                         "    \"itemCount\": \"5\",",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\"normal\": {\n    \"fontName\": \"Tahoma\""), std::string::npos);
    EXPECT_NE(text.find("\"borderBottomColor\": \"#999999\""), std::string::npos);
    EXPECT_NE(text.find("\"target\": \"_blank\""), std::string::npos);
}

TEST(SettingsFile, MissingKeysTakeTheirDefaultsAndUnknownKeysAreListed) {
    const auto read =
        SettingsFile::parse(fileWith("  \"theme\": {\"dark\": [1, 2]},\n"
                                     "  \"normal\": {\"fontSize\": \"12\", \"glow\": true},\n"
                                     "  \"hover\": {\"backColor\": \"#123456\"}"));
    EXPECT_EQ(read.values[static_cast<std::size_t>(SettingTable::kNormal.fontSize)], "12");
    EXPECT_EQ(read.values[static_cast<std::size_t>(SettingTable::kHover.backColor)], "#123456");
    EXPECT_EQ(read.values[static_cast<std::size_t>(SettingTable::kItemCount)], "5");
    EXPECT_EQ(read.values[static_cast<std::size_t>(SettingTable::kTarget)], "_blank");
    EXPECT_EQ(read.unknownKeys, (std::vector<std::string>{"theme", "normal.glow"}));
}

// Whatever an unknown key holds is passed over whole, however deep, and the
// keys after it are read: a later version's file stays usable, and deep
// nesting costs neither stack nor memory.
TEST(SettingsFile, DeepValuesOfUnknownKeysArePassedOver) {
    for (const std::size_t depth : {std::size_t{12}, std::size_t{200000}}) {
        const std::string text = R"({"format": "halvero-menu", "version": 1, "theme": )" +
                                 std::string(depth, '[') + "{\"a\": null}" +
                                 std::string(depth, ']') +
                                 R"(, "menu": {"itemWidth": "99"}, "normal": {"glow": [[1]]}})";
        const SettingsFile::Contents contents = SettingsFile::parse(text);
        EXPECT_EQ(contents.values[SettingTable::kItemWidth], "99") << depth;
        EXPECT_EQ(contents.unknownKeys, (std::vector<std::string>{"theme", "normal.glow"}));
    }
    // A key given twice is read twice: the first value at fault refuses.
    EXPECT_THROW(SettingsFile::parse(R"({"format": "halvero-menu", "version": 1,
        "menu": {"itemWidth": 5, "itemWidth": "99"}})"),
                 SettingsFileError);
}

TEST(SettingsFile, RefusalsNameTheLineAndTheKey) {
    struct Case {
        std::string text;
        int line;
        std::string key;
        std::string problem; // the start of it
    };
    const std::vector<Case> cases = {
        {"{\n  \"format\": \"halvero-menu\",\n  \"version\": 1,\n  \"menu\": {\"itemCount\": "
         "\"5\",}\n}",
         4, "", "not valid JSON"},
        {fileWith("  \"menu\": {\"itemCount\": \"caf\xC3\"}"), 4, "", "not UTF-8 text"},
        {"{\"format\": \"other-tool\", \"version\": 1}", 1, "format", "not a Halvero menu"},
        {"{\"version\": 1}", 0, "", "not a Halvero menu"},
        {"[\"halvero-menu\"]", 1, "", "not a Halvero menu"},
        {"{\"format\": \"halvero-menu\",\n\"version\": 7,\n\"menu\": {\"itemCount\": 5}}", 2,
         "version", "made by a newer Halvero (format version 7)"},
        {fileWith("  \"normal\": {\n    \"fontName\": \"Tahoma\",\n    \"fontSize\": 12\n  }"), 6,
         "normal.fontSize", "expected text, found a number"},
        {fileWith("  \"hover\": {\"target\": \"x\", \"fontColor\": [\"#FF0000\"]}"), 4,
         "hover.fontColor", "expected text, found a list"},
        {fileWith("  \"menu\": \"all of it\""), 4, "menu", "expected an object, found text"},
        {"{\"format\": \"halvero-menu\", \"version\": \"1\"}", 1, "version",
         "expected a whole number, found text"},
    };
    for (const Case& c : cases) {
        const SettingsFileError error = refusal(c.text);
        EXPECT_EQ(error.line(), c.line) << c.text;
        EXPECT_EQ(error.key(), c.key) << c.text;
        EXPECT_EQ(error.problem().rfind(c.problem, 0), 0u) << error.what();
    }
}

TEST(SettingsFile, ReadingRefusesLargeAndMissingFilesAndWritingReplacesWhole) {
    char folder[] = "/tmp/settings-file-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/menu.halvero";

    EXPECT_THROW(SettingsFile::read(path), SettingsFileError);

    {
        std::ofstream big(path, std::ios::binary);
        big << fileWith("  \"menu\": {\"statusbarMessage\": \"" +
                        std::string(SettingsFile::kMaxBytes, 'x') + "\"}");
    }
    const SettingsFileError error = [&] {
        try {
            SettingsFile::read(path);
        } catch (const SettingsFileError& e) {
            return e;
        }
        return SettingsFileError(0, "", "accepted");
    }();
    EXPECT_EQ(error.problem().rfind("larger than 1 MB", 0), 0u) << error.what();

    MenuSettings settings = defaults();
    settings.setValue(SettingTable::kTarget, "main frame");
    SettingsFile::write(path, settings);
    EXPECT_EQ(SettingsFile::read(path).values[static_cast<std::size_t>(SettingTable::kTarget)],
              "main frame");
    std::remove(path.c_str());
    ::rmdir(folder);
}

TEST(SettingsFile, TheDocumentedExampleOpens) {
    const auto read = SettingsFile::read(HALVERO_EXAMPLES_DIR "/menu.halvero");
    EXPECT_TRUE(read.unknownKeys.empty());
    EXPECT_EQ(read.values[static_cast<std::size_t>(SettingTable::kItemCount)], "8");
}

TEST(MenuSettings, SettingAllValuesEnablesTheMessageUnlessTheUrlIsShown) {
    MenuSettings settings = defaults();
    SettingsFile::Contents contents = SettingsFile::parse(SettingsFile::compose(settings));
    contents.values[static_cast<std::size_t>(SettingTable::kStatusUrl)] = "Yes";
    contents.values[static_cast<std::size_t>(SettingTable::kStatusMessage)] = "";
    settings.setValues(contents.values);
    EXPECT_FALSE(settings.isEnabled(SettingTable::kStatusMessage));
    contents.values[static_cast<std::size_t>(SettingTable::kStatusUrl)] = "No";
    contents.values[static_cast<std::size_t>(SettingTable::kStatusMessage)] = "kept";
    settings.setValues(contents.values);
    EXPECT_TRUE(settings.isEnabled(SettingTable::kStatusMessage));
    EXPECT_EQ(settings.value(SettingTable::kStatusMessage), "kept");
}

// Inputs that used to hang the reader, plant script in the page or cost
// quadratic time.
TEST(SettingsFile, HostileInputIsRefusedQuickly) {
    char folder[] = "/tmp/settings-file-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string fifo = std::string(folder) + "/menu.halvero";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    try {
        SettingsFile::read(fifo); // no writer: opening it would block for ever
        ADD_FAILURE() << "a FIFO was read";
    } catch (const SettingsFileError& error) {
        EXPECT_EQ(error.problem(), "not a regular file");
    }
    std::remove(fifo.c_str());
    ::rmdir(folder);

    const SettingsFileError quote =
        refusal(fileWith("  \"menu\": {\n    \"target\": \"x' onmouseover='alert(1)\"\n  }"));
    EXPECT_EQ(quote.line(), 5);
    EXPECT_EQ(quote.key(), "menu.target");
    EXPECT_EQ(quote.problem(), "the value holds the character \"'\"");
    EXPECT_EQ(refusal(fileWith("  \"menu\": {\"itemCount\": \"10000\"}")).problem(),
              "the value is not one of 1 to 20");
    EXPECT_EQ(refusal(fileWith("  \"menu\": {\"itemWidth\": \"" + std::string(30000, '9') + "\"}"))
                  .problem(),
              "the value is longer than 6 characters");

    std::string repeated;
    while (repeated.size() < 1000 * 1000)
        repeated += "  \"version\": 1,\n";
    EXPECT_EQ(SettingsFile::parse(fileWith(repeated + "  \"menu\": {}")).values[0], "5");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}

// A menu with items of its own shows exactly those: a count that says
// otherwise is read as their number, noted, and saved as their number.
TEST(SettingsFile, ItemCountFollowsTheItems) {
    const std::string items = R"("items": [{"label": "A", "link": "a.html"},
               {"label": "B", "link": "b.html"}, {"label": "C", "link": "c.html"}])";
    const auto read = SettingsFile::parse(
        "{\"format\": \"halvero-menu\", \"version\": 2, \"menu\": {\"itemCount\": \"2\"},\n" +
        items + "}");
    EXPECT_EQ(read.values[SettingTable::kItemCount], "3");
    ASSERT_TRUE(read.itemCountGiven);
    EXPECT_EQ(*read.itemCountGiven, "2");

    MenuSettings settings = defaults();
    settings.restore(read.snapshot());
    EXPECT_EQ(settings.pageItemCount(), 3);
    EXPECT_FALSE(settings.isEnabled(SettingTable::kItemCount));
    settings.setValue(SettingTable::kItemCount, "7"); // as --set would
    const std::string page = PageComposer::compose(settings, Timestamp{2026, 1, 2, 3, 4, 5});
    EXPECT_EQ(page.find(PageModel::kPlaceholderLabel.data() + std::string("</a>")),
              std::string::npos);
    const auto again = SettingsFile::parse(SettingsFile::compose(settings));
    EXPECT_EQ(again.values[SettingTable::kItemCount], "3");
    EXPECT_FALSE(again.itemCountGiven);
    // Without items, the count is the menu's own again.
    settings.setMenuItems({});
    settings.setValue(SettingTable::kItemCount, "7");
    EXPECT_EQ(settings.pageItemCount(), 7);
    EXPECT_TRUE(settings.isEnabled(SettingTable::kItemCount));
}

TEST(SettingsFile, APageHasOneCurrentItem) {
    const SettingsFileError error = refusal(fileWith(R"("items": [
    {"label": "A", "link": "a.html", "current": true},
    {"label": "B", "link": "b.html",
     "current": true}])"));
    EXPECT_EQ(error.line(), 7);
    EXPECT_EQ(error.key(), "item 2 (B)");
}

// What a message quotes of a file is one short line, however much the
// file holds where the message looks.
TEST(SettingsFile, MessagesQuoteLittle) {
    const std::string huge(500000, 'x');
    const SettingsFileError format =
        refusal("{\"format\": \"" + huge + "\\n" + huge + "\", \"version\": 1}");
    EXPECT_LT(std::string(format.what()).size(), 200u);
    EXPECT_NE(std::string(format.what()).find("xxx...\""), std::string::npos);
    const SettingsFileError key = refusal(fileWith(
        "\"menu\": {\"itemWidth\": \"" + std::string(300, 'w') + "\"}, \"" + huge + "\": 1"));
    EXPECT_LT(std::string(key.what()).size(), 500u);
}
