// libFuzzer target: the CSV template filler with arbitrary templates and values. The input
// holds the head, body and foot templates and then the data set, separated by the byte
// 0x1E (templates may span lines, as the catalog's do); each line of the data set is a
// "name=value" entry, and the names are also the known key patterns.
// Filling a template with each key's own placeholder must give the template back, and the
// key check must refuse exactly the templates the filler cannot fill completely.
#include "FuzzSupport.h"

#include "session/KinemoContext.h"
#include "base/ErrorMessage.h"
#include "base/NameValueList.h"
#include "reports/CSVTemplate.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kinemo;

namespace {

const std::string kOpen = "{[%]";
const std::string kClose = "[%]}";
const std::string kTemplateName = "FuzzTemplate";

struct Job {
    Job() : context(fuzz::SampleCatalogPath(), TSpecialFolder(fuzz::ScratchFolder() + "/cfg"), dialogs) {
        if (!context.ReadCatalogConfig()) std::abort();
    }
    fuzz::TQuietDialogs dialogs;
    TKinemoContext context;
};

[[noreturn]] void Fail(const char* what, const std::string& tmpl, const std::string& got) {
    std::fprintf(stderr, "%s\ntemplate: [%s]\nresult:   [%s]\n", what, tmpl.c_str(), got.c_str());
    std::abort();
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find(separator, begin);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    return lines;
}

// Where the first placeholder left open starts, npos when every one is closed; the same
// scan the filler makes, written out plainly.
size_t OpenPlaceholder(const std::string& tmpl) {
    size_t a = tmpl.find(kOpen);
    while (a != std::string::npos) {
        const size_t close = tmpl.find(kClose, a + kOpen.size());
        if (close == std::string::npos) return a;
        a = tmpl.find(kOpen, close + kClose.size());
    }
    return std::string::npos;
}

// Each key filled with its own placeholder gives the template back up to the first open
// placeholder. Keys a list cannot hold (empty, with "=", equal but for case) are skipped.
void CheckIdentity(const std::string& tmpl) {
    bool open = false;
    const std::vector<std::string> keys = TemplateKeys(tmpl, &open);
    if (open != (OpenPlaceholder(tmpl) != std::string::npos)) Fail("TemplateKeys misses the open placeholder", tmpl, "");
    TNameValueList identity;
    for (const std::string& key : keys) {
        if (key.empty() || key.find('=') != std::string::npos) return;
        for (const std::string& other : keys)
            if (other != key && SameText(other, key)) return;
        identity.SetValue(key, kOpen + key + kClose);
    }
    const std::string filled = FillTemplate(tmpl, identity);
    const size_t end = OpenPlaceholder(tmpl);
    const std::string expected = end == std::string::npos ? tmpl : tmpl.substr(0, end);
    if (filled != expected) Fail("Filling every key with its placeholder changed the template", tmpl, filled);
    // With no data at all, only the placeholders go.
    std::string bare = FillTemplate(tmpl, TNameValueList());
    if (bare.size() > expected.size()) Fail("Filling with nothing made the template longer", tmpl, bare);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Job* job = new Job;
    const std::vector<std::string> sections = Split(std::string(reinterpret_cast<const char*>(data), size), '\x1e');
    std::vector<std::string> parts(3);
    for (size_t i = 0; i < 3 && i < sections.size(); ++i) parts[i] = sections[i];
    TNameValueList list;
    std::vector<std::string> patterns;
    for (size_t s = 3; s < sections.size(); ++s) {
        for (const std::string& line : Split(sections[s], '\n')) {
            list.Add(line);
            patterns.push_back(list.Name(list.Count() - 1));
        }
    }
    for (const std::string& part : parts) CheckIdentity(part);

    // The key check refuses a template with a key the data set cannot hold or a placeholder
    // left open, and passes every other one.
    bool refusable = false;
    for (const std::string& part : parts) {
        bool open = false;
        for (const std::string& key : TemplateKeys(part, &open)) refusable = refusable || !KeyMatches(key, patterns);
        refusable = refusable || open;
    }
    try {
        CheckTemplateKeys(parts, patterns, kTemplateName, job->context.ErrorMessages());
        if (refusable) Fail("The key check passed a template it should refuse", parts[0] + "|" + parts[1] + "|" + parts[2], "");
    } catch (const TFormatErrorMessageException& e) {
        if (!refusable) Fail("The key check refused a template it should pass", parts[0] + "|" + parts[1] + "|" + parts[2], e.what());
        if (std::string(e.what()).find(kTemplateName) == std::string::npos)
            Fail("The key check's message does not name the template", parts[1], e.what());
    }

    TCSVTemplate csv;
    csv.Add(parts[0], list);
    for (int row = 0; row < 2; ++row) csv.Add(parts[1], list);
    csv.Add(parts[2], list);
    if (csv.Lines().size() != 4) Fail("A part did not give one entry", parts[1], csv.Text());
    size_t total = 0;
    for (const std::string& line : csv.Lines()) total += line.size() + 2;
    const std::string text = csv.Text();
    if (text.size() != total || text.compare(text.size() - 2, 2, "\r\n") != 0) Fail("The CSV text does not end its lines", parts[1], text);
    return 0;
}
