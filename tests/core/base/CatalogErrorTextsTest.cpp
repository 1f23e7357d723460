// The error texts of both sample catalogs are formats the program can fill: a text with a
// stray "%" would be shown unformatted, its "%s" left in the message.
#include "base/Catalog.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

struct TErrorText {
    std::string key, text;
};

std::vector<TErrorText> ErrorTexts(const std::string& catalogPath) {
    TCatalog catalog(catalogPath);
    TCatalogQuery q(catalog);
    q.SetSQL("select msg_control, msg_value from s_message where msg_class = 'error' and msg_value is not null");
    q.Open();
    std::vector<TErrorText> texts;
    for (; !q.Eof(); q.Next()) texts.push_back({q.AsString(0), q.AsString(1)});
    return texts;
}

// One argument of the kind each directive takes, for the directives of text; every "%"
// that starts no directive is reported in stray.
FormatArgs ArgumentsFor(const std::string& text, std::string& stray) {
    static const std::regex directive(R"(%(%|(\d+:)?-?(\d+)?(\.\d*)?([dsfegx])))", std::regex::icase);
    FormatArgs args;
    for (size_t i = text.find('%'); i != std::string::npos; i = text.find('%', i)) {
        std::smatch m;
        const std::string rest = text.substr(i);
        if (!std::regex_search(rest, m, directive, std::regex_constants::match_continuous)) {
            stray += rest.substr(0, 6) + " ";
            ++i;
            continue;
        }
        const std::string type = m[5].str();
        if (type == "d" || type == "D" || type == "x" || type == "X") args.items.emplace_back(7LL);
        else if (!type.empty() && type != "s" && type != "S") args.items.emplace_back(1.5);
        else if (!type.empty()) args.items.emplace_back(std::string("<arg>"));
        i += static_cast<size_t>(m.length(0));
    }
    return args;
}

}  // namespace

TEST(CatalogErrorTexts, EveryErrorTextIsAFormatTheProgramFills) {
    for (const std::string& path : {test::SampleCatalogPath(), std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db"}) {
        const std::vector<TErrorText> texts = ErrorTexts(path);
        ASSERT_GT(texts.size(), 50u) << path;
        for (const TErrorText& t : texts) {
            SCOPED_TRACE(path + ": " + t.key);
            std::string stray;
            const FormatArgs args = ArgumentsFor(t.text, stray);
            EXPECT_EQ(stray, "") << t.text;
            std::string filled;
            EXPECT_NO_THROW(filled = FormatText(t.text, args)) << t.text;
            bool textArgument = false;
            for (const FormatArg& a : args.items) textArgument = textArgument || std::holds_alternative<std::string>(a);
            if (textArgument) {
                EXPECT_NE(filled.find("<arg>"), std::string::npos) << filled;
            }
        }
    }
}
