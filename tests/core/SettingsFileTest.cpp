#include "core/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace halvero;

namespace {

MenuSettings defaults() {
    MenuSettings settings;
    settings.initialise();
    return settings;
}

// Every value the window accepts, however awkward for a file format.
const std::vector<std::string> kAwkward = {
    "",
    "  leading and trailing  ",
    "say \"hi\"",
    "back\\slash\\",
    "#",
    "key = value # not a comment",
    "caf\xC3\xA9 \xD9\x85\xD9\x86\xD9\x88 \xE2\x80\xA8",
    "#9F",
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
        for (const EntryDescriptor& entry : EntryTable::all())
            settings.setValue(entry.index, kAwkward[random() % kAwkward.size()]);
        const SettingsFile::Contents read = SettingsFile::parse(SettingsFile::compose(settings));
        for (const EntryDescriptor& entry : EntryTable::all())
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
    EXPECT_EQ(read.values[static_cast<std::size_t>(EntryTable::kNormal.fontSize)], "12");
    EXPECT_EQ(read.values[static_cast<std::size_t>(EntryTable::kHover.backColor)], "#123456");
    EXPECT_EQ(read.values[static_cast<std::size_t>(EntryTable::kItemCount)], "5");
    EXPECT_EQ(read.values[static_cast<std::size_t>(EntryTable::kTarget)], "_blank");
    EXPECT_EQ(read.unknownKeys, (std::vector<std::string>{"theme", "normal.glow"}));
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
        {"{\"format\": \"halvero-menu\",\n\"version\": 2,\n\"menu\": {\"itemCount\": 5}}", 2,
         "version", "made by a newer Halvero (format version 2)"},
        {fileWith("  \"normal\": {\n    \"fontName\": \"Tahoma\",\n    \"fontSize\": 12\n  }"), 7,
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
    settings.setValue(EntryTable::kTarget, "main frame");
    SettingsFile::write(path, settings);
    EXPECT_EQ(SettingsFile::read(path).values[static_cast<std::size_t>(EntryTable::kTarget)],
              "main frame");
    std::remove(path.c_str());
    ::rmdir(folder);
}

TEST(SettingsFile, TheDocumentedExampleOpens) {
    const auto read = SettingsFile::read(HALVERO_EXAMPLES_DIR "/menu.halvero");
    EXPECT_TRUE(read.unknownKeys.empty());
    EXPECT_EQ(read.values[static_cast<std::size_t>(EntryTable::kItemCount)], "8");
}

TEST(MenuSettings, SettingAllValuesEnablesTheMessageUnlessTheUrlIsShown) {
    MenuSettings settings = defaults();
    SettingsFile::Contents contents = SettingsFile::parse(SettingsFile::compose(settings));
    contents.values[static_cast<std::size_t>(EntryTable::kStatusUrl)] = "Yes";
    contents.values[static_cast<std::size_t>(EntryTable::kStatusMessage)] = "";
    settings.setValues(contents.values);
    EXPECT_FALSE(settings.isEnabled(EntryTable::kStatusMessage));
    contents.values[static_cast<std::size_t>(EntryTable::kStatusUrl)] = "No";
    contents.values[static_cast<std::size_t>(EntryTable::kStatusMessage)] = "kept";
    settings.setValues(contents.values);
    EXPECT_TRUE(settings.isEnabled(EntryTable::kStatusMessage));
    EXPECT_EQ(settings.value(EntryTable::kStatusMessage), "kept");
}
