#include "core/page/Breadcrumb.h"

#include "core/text/TextEncoding.h"

namespace halvero {

namespace {

// `text` as a JSON string, safe inside a <script> element: "<" escaped so
// that no "</script>" or "<!--" can be spelt.
std::string jsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '<':
            json += "\\u003c";
            break;
        case '>':
            json += "\\u003e";
            break;
        case '&':
            json += "\\u0026";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                json += "\\u00";
                json += kHex[(c >> 4) & 0xF];
                json += kHex[c & 0xF];
            } else {
                json += c;
            }
        }
    }
    return json + "\"";
}

// The address of the page `page` (from the root) on the site at `siteUrl`,
// a folder's index.html written as the folder.
std::string addressOf(std::string_view siteUrl, std::string_view page) {
    std::string address(siteUrl);
    if (page == "index.html")
        return address;
    if (page.ends_with("/index.html"))
        page.remove_suffix(std::string_view("index.html").size());
    for (const char c : page) {
        // What an address may not hold as it is, percent-escaped.
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte >= 0x7F || c == '"' || c == '%' || c == '<' || c == '>' ||
            c == '\\' || c == '^' || c == '`' || c == '{' || c == '|' || c == '}' || c == '#' ||
            c == '?') {
            static constexpr char kHex[] = "0123456789ABCDEF";
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0xF];
        } else {
            address += c;
        }
    }
    return address;
}

} // namespace

std::string Breadcrumb::html(const PageModel& page, std::string_view siteUrl) {
    if (page.trail.empty())
        return {};
    std::string text = "<nav class=\"halvero-breadcrumb\" aria-label=\"";
    appendHtmlEscaped(text, page.words.breadcrumb);
    text += "\">\n"
            "  <ol class=\"halvero-breadcrumb__list\">\n";
    for (std::size_t i = 0; i < page.trail.size(); ++i) {
        const PageModel::Step& step = page.trail[i];
        const bool last = i + 1 == page.trail.size();
        text += "    <li class=\"halvero-breadcrumb__item\">";
        if (step.link.empty()) {
            text += "<span>";
            appendHtmlEscaped(text, step.label);
            text += "</span>";
        } else {
            text += "<a href=\"";
            appendHtmlEscaped(text, step.link);
            text += last ? "\" aria-current=\"page\">" : "\">";
            appendHtmlEscaped(text, step.label);
            text += "</a>";
        }
        text += "</li>\n";
    }
    text += "  </ol>\n"
            "</nav>\n";
    if (siteUrl.empty())
        return text;
    // Structured data names only steps that are pages of the site.
    std::string items;
    int position = 0;
    for (const PageModel::Step& step : page.trail) {
        if (step.page.empty())
            continue;
        items += std::string(items.empty() ? "" : ",\n") + "    {\"@type\": \"ListItem\", " +
                 "\"position\": " + std::to_string(++position) +
                 ", \"name\": " + jsonString(step.label) +
                 ", \"item\": " + jsonString(addressOf(siteUrl, step.page)) + "}";
    }
    if (items.empty())
        return text;
    return text +
           "<script type=\"application/ld+json\">\n"
           "{\"@context\": \"https://schema.org\", \"@type\": \"BreadcrumbList\",\n"
           "  \"itemListElement\": [\n" +
           items + "\n  ]}\n</script>\n";
}

} // namespace halvero
