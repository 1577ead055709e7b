#include "core/text/LineDiff.h"

#include "core/text/TextEncoding.h"

#include <algorithm>
#include <vector>

namespace halvero {

namespace {

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, end - from);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    return lines;
}

// One line of the diff: ' ' kept, '-' taken out, '+' put in, with its
// number in the old and the new text.
struct Edit {
    char kind;
    std::size_t oldLine, newLine;
};

// The edits that make `a` into `b`: a longest common subsequence of the
// lines between their common start and end; a middle too large to compare
// line by line is shown as taken out and put in whole.
std::vector<Edit> editsOf(const std::vector<std::string_view>& a,
                          const std::vector<std::string_view>& b) {
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t n = a.size() - head - tail, m = b.size() - head - tail;
    std::vector<Edit> edits;
    for (std::size_t i = 0; i < head; ++i)
        edits.push_back({' ', i, i});
    constexpr std::size_t kMaxCells = 4'000'000;
    if (n * m > 0 && n * m <= kMaxCells) {
        // lengths[i][j]: the common lines of a[head+i..] and b[head+j..].
        std::vector<unsigned> lengths((n + 1) * (m + 1), 0);
        const auto at = [&](std::size_t i, std::size_t j) -> unsigned& {
            return lengths[i * (m + 1) + j];
        };
        for (std::size_t i = n; i-- > 0;)
            for (std::size_t j = m; j-- > 0;)
                at(i, j) = a[head + i] == b[head + j] ? at(i + 1, j + 1) + 1
                                                      : std::max(at(i + 1, j), at(i, j + 1));
        std::size_t i = 0, j = 0;
        while (i < n || j < m) {
            if (i < n && j < m && a[head + i] == b[head + j]) {
                edits.push_back({' ', head + i++, head + j++});
            } else if (i < n && (j == m || at(i + 1, j) >= at(i, j + 1))) {
                // What was taken out before what was put in, as diffs show it.
                edits.push_back({'-', head + i++, head + j});
            } else {
                edits.push_back({'+', head + i, head + j++});
            }
        }
    } else {
        for (std::size_t i = 0; i < n; ++i)
            edits.push_back({'-', head + i, head});
        for (std::size_t j = 0; j < m; ++j)
            edits.push_back({'+', head + n, head + j});
    }
    for (std::size_t i = 0; i < tail; ++i)
        edits.push_back({' ', head + n + i, head + m + i});
    return edits;
}

} // namespace

std::string LineDiff::unified(std::string_view before, std::string_view after,
                              std::string_view path, std::size_t maxLines) {
    const std::vector<std::string_view> a = linesOf(before), b = linesOf(after);
    const std::vector<Edit> edits = editsOf(a, b);
    constexpr std::size_t kContext = 3;
    const std::string name = printableName(path);
    std::vector<std::string> lines{"--- a/" + name, "+++ b/" + name};
    std::size_t changes = 0;
    for (const Edit& edit : edits)
        changes += edit.kind != ' ';
    for (std::size_t at = 0; at < edits.size();) {
        if (edits[at].kind == ' ') {
            ++at;
            continue;
        }
        // A hunk: from three lines before this change to three after the
        // last change less than seven lines on.
        const std::size_t begin = at >= kContext ? at - kContext : 0;
        std::size_t lastChange = at;
        for (std::size_t next = at + 1;
             next < edits.size() && next <= lastChange + 2 * kContext + 1; ++next)
            if (edits[next].kind != ' ')
                lastChange = next;
        const std::size_t end = std::min(lastChange + 1 + kContext, edits.size());
        std::size_t oldCount = 0, newCount = 0;
        for (std::size_t i = begin; i < end; ++i) {
            oldCount += edits[i].kind != '+';
            newCount += edits[i].kind != '-';
        }
        lines.push_back("@@ -" + std::to_string(edits[begin].oldLine + 1) + "," +
                        std::to_string(oldCount) + " +" + std::to_string(edits[begin].newLine + 1) +
                        "," + std::to_string(newCount) + " @@");
        for (std::size_t i = begin; i < end; ++i) {
            const std::string_view line =
                edits[i].kind == '+' ? b[edits[i].newLine] : a[edits[i].oldLine];
            lines.push_back(std::string(1, edits[i].kind) + std::string(line.substr(0, 200)));
        }
        at = end;
    }
    std::string text;
    if (lines.size() > maxLines) {
        std::size_t changesShown = 0;
        for (std::size_t i = 0; i + 1 < maxLines; ++i) {
            text += lines[i] + "\n";
            changesShown += i >= 2 && (lines[i][0] == '+' || lines[i][0] == '-');
        }
        text += "... and " + std::to_string(changes - changesShown) + " more changed lines\n";
        return text;
    }
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace halvero
