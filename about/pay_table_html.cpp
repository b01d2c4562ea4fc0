#include "about/pay_table_html.h"

namespace quintaro {

std::string payTableHtml(const PayTable& table) {
    std::string html =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr><th>Hand</th>";
    for (int bet = 1; bet <= betCount; ++bet)
        html += "<th>Bet $" + std::to_string(bet) + "</th>";
    html += "</tr>\n";
    for (int line = 0; line < table.lineCount; ++line) {
        // Hand names hold no markup characters, so they go in as they are.
        html += "<tr><td>";
        html += handCategoryName(table.lines[static_cast<std::size_t>(line)].category);
        html += "</td>";
        for (int bet = 1; bet <= betCount; ++bet)
            html += "<td align=\"right\">$" + std::to_string(table.payoff(line, bet)) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

} // namespace quintaro
