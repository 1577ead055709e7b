#include "core/page/ClassicPage.h"

#include "core/text/TextEncoding.h"

namespace halvero {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// Appends page lines to one buffer; every line ends with CR LF.
class PageText {
public:
    explicit PageText(std::size_t items) { m_text.reserve(4096 + 700 * items); }

    template <typename... Parts> void line(const Parts&... parts) {
        (m_text.append(parts), ...);
        m_text.append(kNewLine);
    }
    // Pieces of a line, ended by line().
    template <typename... Parts> void append(const Parts&... parts) { (m_text.append(parts), ...); }
    // Text of the model's made safe for an element or an attribute value.
    void escaped(std::string_view text) { appendHtmlEscaped(m_text, text); }

    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
};

// "width px style colour" of one border.
std::string border(const PageModel::Border& border) {
    return border.width + "px " + border.type + " " + border.color;
}

} // namespace

std::string ClassicPage::compose(const PageModel& page, const Timestamp& stamp) {
    PageText p(page.items.size());
    const bool showsMessage = page.showsStatusMessage;

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
    // Link classes: the font of the normal and of the hovered item.
    for (const auto& [selector, item] :
         {std::pair{"a.Menu, a.Menu:visited, a.Menu:active", &page.normal},
          {"a.Menu:hover", &page.hover}}) {
        p.line("      ", selector);
        p.line("      {");
        p.line("        border:0px;");
        p.line("        cursor:hand;");
        p.line("        color:", item->fontColor, ";");
        p.line("        text-indent:0px;");
        p.line("        text-decoration:none;");
        p.line("        font-size:", item->fontSize, "pt;");
        p.line("        font-weight:600;");
        p.line("        font-family:", item->fontName, ";");
        p.line("      }");
        p.line();
    }
    // Cell classes: colours and borders of the normal and the hovered cell.
    for (const auto& [selector, item] :
         {std::pair{"td.Menu", &page.normal}, {"td.Hover", &page.hover}}) {
        p.line("      ", selector);
        p.line("      {");
        p.line("        color:", item->fontColor, ";");
        p.line("        background-color:", item->backColor, ";");
        p.line("        border-left:", border(item->left), ";");
        p.line("        border-top:", border(item->top), ";");
        p.line("        border-right:", border(item->right), ";");
        p.line("        border-bottom:", border(item->bottom), ";");
        p.line("      }");
        if (item == &page.normal)
            p.line();
    }
    p.line("    </style>");
    p.line();
    p.line("    <script type='text/javascript'>");
    p.line("      function OnMouseOver()");
    p.line("      {");
    if (showsMessage)
        p.line("        window.status = \"", escapeScriptString(page.statusMessage), "\";");
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
    const std::string& width = page.itemWidth;
    const std::string& height = page.itemHeight;
    const std::string& distance = page.distance;
    // Down the page, each item a row between rows of the distance's height;
    // across it, each item a cell of one row between cells of its width.
    const bool across = page.across;
    if (across) {
        p.line("      <table border='0' cellspacing='0' cellpadding='0'>");
        p.line("        <tr>");
        p.line("          <td width='", distance, "'></td>");
    } else {
        p.line("      <table border='0' cellspacing='0' cellpadding='0' width='", width, "'>");
        p.line("        <tr><td height='", distance, "'></td></tr>");
    }

    // The top of the menu only: the page has no sub-menus (see
    // PageComposer, which builds its model one level deep).
    for (const PageModel::Item& item : page.items) {
        if (!across)
            p.line("        <tr>");
        p.line("          <td class='Menu' align='center' valign='middle' width='", width,
               "' height='", height, showsMessage ? "' onmouseout='window.status=\"\";'>" : "'>");
        p.append("            <a class='Menu' href='");
        p.escaped(item.link);
        if (!item.tooltip.empty()) {
            p.append("' title='");
            p.escaped(item.tooltip);
        }
        p.append("' target='", item.target,
                 showsMessage ? "' onmouseover='OnMouseOver();return(true);'"
                              : "' onmouseover='OnMouseOver();'",
                 " onmouseout='OnMouseOut();' onclick='OnClick();return(true);'>");
        p.escaped(item.label);
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
