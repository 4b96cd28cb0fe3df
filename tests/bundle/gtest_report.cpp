#include "gtest_report.h"

namespace corelim::test {

namespace {

std::string Unescaped(std::string_view text) {
    static const struct {
        std::string_view entity, character;
    } kEntities[] = {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    std::string result;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& e : kEntities) {
            if (text.substr(i, e.entity.size()) == e.entity) {
                result += e.character;
                i += e.entity.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) result += text[i++];
    }
    return result;
}

// An attribute of the element whose start tag is `tag`; empty when absent.
std::string Attribute(std::string_view tag, std::string_view name) {
    const std::string start = " " + std::string(name) + "=\"";
    const std::size_t at = tag.find(start);
    if (at == std::string_view::npos) return {};
    const std::size_t from = at + start.size();
    return Unescaped(tag.substr(from, tag.find('"', from) - from));
}

}  // namespace

std::vector<CaseResult> ReadGTestReport(std::string_view xml) {
    std::vector<CaseResult> cases;
    for (std::size_t at = xml.find("<testcase "); at != std::string_view::npos; at = xml.find("<testcase ", at + 1)) {
        const std::size_t tagEnd = xml.find('>', at);
        if (tagEnd == std::string_view::npos) break;
        const std::string_view tag = xml.substr(at, tagEnd - at);
        if (Attribute(tag, "status") == "notrun") continue;
        // A case with a failure or a skip holds it as a child element.
        std::string_view body;
        if (tag.back() != '/') body = xml.substr(tagEnd, xml.find("</testcase>", tagEnd) - tagEnd);
        CaseResult result{Attribute(tag, "classname") + "." + Attribute(tag, "name")};
        if (body.find("<failure") != std::string_view::npos) {
            result.outcome = CaseResult::kFailed;
        } else if (Attribute(tag, "result") == "skipped" || body.find("<skipped") != std::string_view::npos) {
            result.outcome = CaseResult::kSkipped;
        }
        cases.push_back(result);
    }
    return cases;
}

}  // namespace corelim::test
