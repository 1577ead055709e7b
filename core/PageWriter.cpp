#include "core/PageWriter.h"

#include "core/ModernPageWriter.h"
#include "core/TextEncoding.h"

namespace halvero {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// Appends page lines to one buffer; every line ends with CR LF.
class PageText {
public:
    PageText(const MenuSettings& settings, std::size_t items) : m_settings(settings) {
        m_text.reserve(4096 + 700 * items);
    }

    template <typename... Parts> void line(const Parts&... parts) {
        (m_text.append(parts), ...);
        m_text.append(kNewLine);
    }
    // Pieces of a line, ended by line() or endLine().
    template <typename... Parts> void append(const Parts&... parts) { (m_text.append(parts), ...); }
    // Text of the user's made safe for an element or an attribute value.
    void escaped(std::string_view text) {
        if (isValidUtf8(text))
            appendHtmlEscaped(m_text, text);
        else
            appendHtmlEscaped(m_text, toValidUtf8(text));
    }
    void endLine() { m_text.append(kNewLine); }

    // Setting values, as stored but always valid UTF-8.
    std::string v(int index) const { return toValidUtf8(m_settings.value(index)); }
    std::string lower(int index) const { return asciiLower(v(index)); }
    // "width px style colour" of one border, from its three entries.
    std::string border(const BorderEntries& entries) const {
        return v(entries.width) + "px " + lower(entries.type) + " " + v(entries.color);
    }

    std::string take() { return std::move(m_text); }

private:
    const MenuSettings& m_settings;
    std::string m_text;
};

} // namespace

long PageWriter::itemCount(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long count = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        count = count * 10 + (text[i] - '0');
        if (count > kMaxItems)
            count = kMaxItems; // keeps reading the digits without overflow
    }
    return negative ? 0 : count;
}

std::string PageWriter::compose(const MenuSettings& settings, const Timestamp& stamp) {
    if (settings.pageStyle() == MenuSettings::PageStyle::Modern)
        return ModernPageWriter::compose(settings);
    return composeClassic(settings, stamp);
}

std::string PageWriter::composeClassic(const MenuSettings& settings, const Timestamp& stamp) {
    const long count = settings.pageItemCount();
    PageText p(settings, static_cast<std::size_t>(count));
    const bool showsMessage = [&] {
        std::string text = settings.value(EntryTable::kStatusUrl);
        for (char& c : text)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return text == "NO";
    }();

    p.line("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
           "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
    p.line("<html lang='en-us' xml:lang='en-us' xmlns='http://www.w3.org/1999/xhtml'>");
    p.line("  <head>");
    p.line("    <meta http-equiv='content-language' content='en-us' />");
    p.line("    <meta http-equiv='content-type' content='text/html; charset=utf-8' />");
    p.line();
    p.line("    <meta http-equiv='pragma' content='no-cache' />");
    p.line("    <meta http-equiv='cache-control' content='no-cache' />");
    p.line("    <meta http-equiv='content-style-type' content='text/css' />");
    p.line();
    p.line("    <meta name='robots' content='index,follow' />");
    p.line("    <meta name='keywords' content='Corvantis' />");
    p.line("    <meta name='timestamp' content='", stamp.date(), " - ", stamp.time(), "' />");
    p.line("    <meta name='description' content='Corvantis' />");
    p.line();
    p.line("    <title>Corvantis</title>");
    p.line();
    p.line("    <link rel='shortcut icon' href='images/siteicon.ico' />");
    p.line("    <link rel='stylesheet' href='css/style.css' type='text/css' />");
    p.line();
    p.line("    <script src='js/secure.js' type='text/javascript'></script>");
    p.line("    <style type='text/css'>");
    p.line("      body");
    p.line("      {");
    p.line("        background-color:#6699CC;");
    p.line("      }");
    p.line();
    constexpr ItemEntries normal = EntryTable::kNormal, hover = EntryTable::kHover;
    // Link classes: the font of the normal and of the hovered item.
    for (const auto& [selector, item] :
         {std::pair{"a.Menu, a.Menu:visited, a.Menu:active", normal}, {"a.Menu:hover", hover}}) {
        p.line("      ", selector);
        p.line("      {");
        p.line("        border:0px;");
        p.line("        cursor:hand;");
        p.line("        color:", p.v(item.fontColor), ";");
        p.line("        text-indent:0px;");
        p.line("        text-decoration:none;");
        p.line("        font-size:", p.v(item.fontSize), "pt;");
        p.line("        font-weight:600;");
        p.line("        font-family:", p.v(item.fontName), ";");
        p.line("      }");
        p.line();
    }
    // Cell classes: colours and borders of the normal and the hovered cell.
    for (const auto& [selector, item] : {std::pair{"td.Menu", normal}, {"td.Hover", hover}}) {
        p.line("      ", selector);
        p.line("      {");
        p.line("        color:", p.v(item.fontColor), ";");
        p.line("        background-color:", p.v(item.backColor), ";");
        p.line("        border-left:", p.border(item.left), ";");
        p.line("        border-top:", p.border(item.top), ";");
        p.line("        border-right:", p.border(item.right), ";");
        p.line("        border-bottom:", p.border(item.bottom), ";");
        p.line("      }");
        if (item.first() == normal.first())
            p.line();
    }
    p.line("    </style>");
    p.line();
    p.line("    <script type='text/javascript'>");
    p.line("      function OnMouseOver()");
    p.line("      {");
    if (showsMessage)
        p.line("        window.status = \"", escapeScriptString(p.v(EntryTable::kStatusMessage)),
               "\";");
    p.line("        window.event.srcElement.style.border = \"0px\";");
    p.line("        window.event.srcElement.style.cursor = \"hand\";");
    p.line();
    p.line("        window.event.srcElement.parentNode.className = \"Hover\";");
    p.line("      }");
    p.line();
    p.line("      function OnMouseOut()");
    p.line("      {");
    p.line("        window.Status = \"\";");
    p.line("        window.event.srcElement.style.border = \"0px\";");
    p.line();
    p.line("        window.event.srcElement.parentNode.className = \"Menu\";");
    p.line("      }");
    p.line();
    p.line("      function OnClick()");
    p.line("      {");
    p.line("        BGSound.src = \"songs/hover.wav\";");
    p.line("      }");
    p.line("    </script>");
    p.line();
    p.line("    <bgsound id='BGSound' src='' loop='1' />");
    p.line("  </head>");
    p.line("  <body>");
    p.line("    <br />");
    p.line("    <div align='center'>");
    const std::string width = p.v(EntryTable::kItemWidth);
    const std::string height = p.v(EntryTable::kItemHeight);
    const std::string distance = p.v(EntryTable::kDistance);
    // Down the page, each item a row between rows of the distance's height;
    // across it, each item a cell of one row between cells of its width.
    const bool across = settings.value(EntryTable::kDirection) == "Horizontal";
    if (across) {
        p.line("      <table border='0' cellspacing='0' cellpadding='0'>");
        p.line("        <tr>");
        p.line("          <td width='", distance, "'></td>");
    } else {
        p.line("      <table border='0' cellspacing='0' cellpadding='0' width='", width, "'>");
        p.line("        <tr><td height='", distance, "'></td></tr>");
    }

    const std::string target = p.v(EntryTable::kTarget);
    for (long item = 1; item <= count; ++item) {
        // The user's item, made safe for its attribute or element, or the
        // placeholder where the list has none.
        const MenuItem* own = settings.pageItem(item);
        if (!across)
            p.line("        <tr>");
        p.line("          <td class='Menu' align='center' valign='middle' width='", width,
               "' height='", height, showsMessage ? "' onmouseout='window.status=\"\";'>" : "'>");
        p.append("            <a class='Menu' href='");
        if (own) {
            p.escaped(MenuItem::isClean(own->link)
                          ? std::string_view(own->link)
                          : std::string_view(MenuItem::cleanLink(own->link)));
            if (!own->tooltip.empty()) {
                p.append("' title='");
                p.escaped(own->tooltip);
            }
        } else {
            p.append(kHomeUrl);
        }
        p.append("' target='", own && !own->target.empty() ? own->target : target,
                 showsMessage ? "' onmouseover='OnMouseOver();return(true);'"
                              : "' onmouseover='OnMouseOver();'",
                 " onmouseout='OnMouseOut();' onclick='OnClick();return(true);'>");
        if (own)
            p.escaped(own->trimmedLabel());
        else
            p.append(kPlaceholderLabel);
        p.line("</a>");
        p.line("          </td>");
        if (across) {
            p.line("          <td width='", distance, "'></td>");
        } else {
            p.line("        </tr>");
            p.line("        <tr><td height='", distance, "'></td></tr>");
        }
    }
    if (across)
        p.line("        </tr>");
    p.line("      </table>");
    p.line("    </div>");
    p.line("    <br />");
    p.line("  </body>");
    p.line("</html>");
    return p.take();
}

} // namespace halvero
