#include "about/pay_table_html.h"

#include "displays/table_layout.h"
#include "platform/translated_text.h"

namespace quintaro {

std::string payTableHtml(const PayTable& table) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>";
    html += translatedText("Help", "Hand");
    html += "</th>";
    for (const char* header : table_layout::paylineHeaders) {
        html += "<th>";
        html += translatedText("Table", header);
        html += "</th>";
    }
    html += "</tr>\n";
    for (int line = 0; line < table.lineCount; ++line) {
        // Hand names hold no markup characters, in any language, so they go in as they are.
        html += "<tr><td>";
        html += handCategoryText(table.lines[static_cast<std::size_t>(line)].category);
        html += "</td>";
        for (int bet = 1; bet <= betCount; ++bet)
            html += "<td align=\"right\">$" + std::to_string(table.payoff(line, bet)) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

} // namespace quintaro
