// Generates the built-in crossword grid templates and writes them as C++ source.
//
//   g++ -std=c++20 -O2 tools/gen_templates.cpp -o gen_templates
//   ./gen_templates src/store/GridTemplateData.cpp
//
// The grids are British-style lattices: with 1-based indices, odd rows and odd
// columns alternate block / letter and the even lines carry the words. Extra
// blocks cut the lines so that most words stay short (3 to 9 letters), which
// is what the word list can fill; one symmetric pair of lines (or the centre
// line) keeps a long word. The output is deterministic.

#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int SizeList[] = {11, 13, 15, 17, 19};
constexpr int PerSize = 20;
constexpr int PartLength = 100;
constexpr int PartCount = 4;
// Words this long or longer are the rare ones in the word list.
constexpr int LongWord = 10;
constexpr int MaxLongWords = 2;

// The hand-made template every build starts with.
const char* const FirstTemplate[] = {
    "XXX-X-X-X-X",
    "XX---------",
    "X-X-X-X-X-X",
    "-------X---",
    "X-X-X-X-X-X",
    "-----X-----",
    "X-X-X-X-X-X",
    "---X-------",
    "X-X-X-X-X-X",
    "---------XX",
    "X-X-X-X-XXX",
};

struct Limits {
    int minBlocks;
    int maxBlocks;
    int maxWord;
    int minLongest;
};

Limits LimitsFor(int n)
{
    switch (n) {
    case 11: return {39, 48, 11, 9};
    case 13: return {52, 69, 13, 11};
    case 15: return {78, 92, 15, 13};
    case 17: return {97, 109, 17, 15};
    default: return {122, 135, 17, 15};
    }
}

// splitmix64: the same sequence with every compiler and standard library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

private:
    uint64_t state_;
};

// Cells are 0-based here, row-major; true means block.
struct Grid {
    int n = 0;
    std::vector<char> block;

    bool At(int c, int r) const { return block[static_cast<size_t>(r * n + c)] != 0; }
    void Set(int c, int r, bool b) { block[static_cast<size_t>(r * n + c)] = b ? 1 : 0; }
    // Blocks a cell together with its half-turn partner.
    void BlockPair(int c, int r)
    {
        Set(c, r, true);
        Set(n - 1 - c, n - 1 - r, true);
    }
    int Blocks() const { return static_cast<int>(std::count(block.begin(), block.end(), 1)); }
    std::string Text() const
    {
        std::string s;
        for (char b : block)
            s += b ? 'X' : '-';
        return s;
    }
};

Grid Lattice(int n)
{
    Grid g;
    g.n = n;
    g.block.assign(static_cast<size_t>(n * n), 0);
    for (int r = 0; r < n; r += 2)
        for (int c = 0; c < n; c += 2)
            g.Set(c, r, true);
    return g;
}

struct Word {
    bool across;
    int line;   // row for across, column for down
    int start;  // first column / row
    int length;
    bool operator==(const Word&) const = default;
};

int CellOf(const Grid& g, const Word& w, int i)
{
    return w.across ? w.line * g.n + w.start + i : (w.start + i) * g.n + w.line;
}

Word Mirror(const Grid& g, const Word& w)
{
    return {w.across, g.n - 1 - w.line, g.n - w.start - w.length, w.length};
}

// Every maximal run of letters in both directions, including runs of 1 and 2.
struct Runs {
    std::vector<Word> all;
    std::vector<int> acrossLength;  // per cell, length of its across run (0 on blocks)
    std::vector<int> downLength;
};

Runs FindRuns(const Grid& g)
{
    const int n = g.n;
    Runs runs;
    runs.acrossLength.assign(static_cast<size_t>(n * n), 0);
    runs.downLength.assign(static_cast<size_t>(n * n), 0);
    for (int dir = 0; dir < 2; ++dir) {
        const bool across = dir == 0;
        for (int line = 0; line < n; ++line) {
            int pos = 0;
            while (pos < n) {
                auto blocked = [&](int p) { return across ? g.At(p, line) : g.At(line, p); };
                if (blocked(pos)) {
                    ++pos;
                    continue;
                }
                int end = pos;
                while (end < n && !blocked(end))
                    ++end;
                Word w{across, line, pos, end - pos};
                runs.all.push_back(w);
                for (int i = 0; i < w.length; ++i)
                    (across ? runs.acrossLength : runs.downLength)[static_cast<size_t>(CellOf(g, w, i))] =
                        w.length;
                pos = end;
            }
        }
    }
    return runs;
}

std::vector<Word> WordsOf(const Runs& runs)
{
    std::vector<Word> words;
    for (const Word& w : runs.all)
        if (w.length >= 3)
            words.push_back(w);
    return words;
}

// Blocks letters that belong to no word; repeats because each new block can strand another.
void RemoveStrandedCells(Grid& g)
{
    for (bool changed = true; changed;) {
        changed = false;
        const Runs runs = FindRuns(g);
        for (size_t k = 0; k < g.block.size(); ++k)
            if (!g.block[k] && runs.acrossLength[k] == 1 && runs.downLength[k] == 1) {
                g.block[k] = 1;
                changed = true;
            }
    }
}

bool Connected(const Grid& g)
{
    const int n = g.n;
    std::vector<char> seen(g.block.size(), 0);
    std::vector<int> stack;
    int letters = 0;
    for (size_t k = 0; k < g.block.size(); ++k)
        if (!g.block[k]) {
            ++letters;
            if (stack.empty() && letters == 1) {
                stack.push_back(static_cast<int>(k));
                seen[k] = 1;
            }
        }
    if (letters == 0)
        return false;
    int reached = 0;
    while (!stack.empty()) {
        const int k = stack.back();
        stack.pop_back();
        ++reached;
        const int c = k % n, r = k / n;
        const int next[4][2] = {{c - 1, r}, {c + 1, r}, {c, r - 1}, {c, r + 1}};
        for (const auto& p : next) {
            if (p[0] < 0 || p[0] >= n || p[1] < 0 || p[1] >= n)
                continue;
            const int m = p[1] * n + p[0];
            if (!g.block[static_cast<size_t>(m)] && !seen[static_cast<size_t>(m)]) {
                seen[static_cast<size_t>(m)] = 1;
                stack.push_back(m);
            }
        }
    }
    return reached == letters;
}

// The rules every template must keep while it is being built. Returns "" when they hold.
std::string StructureProblem(const Grid& g)
{
    const int n = g.n;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            if (g.At(c, r) != g.At(n - 1 - c, n - 1 - r))
                return "not symmetric under a half turn";
    const Runs runs = FindRuns(g);
    for (const Word& w : runs.all) {
        if (w.length == 2)
            return "has a run of two letters";
    }
    for (const Word& w : WordsOf(runs)) {
        const std::vector<int>& other = w.across ? runs.downLength : runs.acrossLength;
        bool crossed = false;
        for (int i = 0; i < w.length && !crossed; ++i)
            crossed = other[static_cast<size_t>(CellOf(g, w, i))] >= 3;
        if (!crossed)
            return "has a word that crosses no other word";
    }
    if (!Connected(g))
        return "letter squares are not in one piece";
    return "";
}

// Long straight walls of blocks cut the grid into loosely joined parts; keep them short.
constexpr int MaxBlockRun = 5;

bool HasWall(const Grid& g)
{
    for (int dir = 0; dir < 2; ++dir)
        for (int line = 0; line < g.n; ++line)
            for (int pos = 0, run = 0; pos < g.n; ++pos) {
                run = (dir == 0 ? g.At(pos, line) : g.At(line, pos)) ? run + 1 : 0;
                if (run > MaxBlockRun)
                    return true;
            }
    return false;
}

// Structure plus the density and word-length goals of a finished template.
std::string TemplateProblem(const Grid& g)
{
    const Limits lim = LimitsFor(g.n);
    std::string problem = StructureProblem(g);
    if (!problem.empty())
        return problem;
    const int blocks = g.Blocks();
    if (blocks < lim.minBlocks || blocks > lim.maxBlocks)
        return std::to_string(blocks) + " blocks, outside " + std::to_string(lim.minBlocks) + ".." +
               std::to_string(lim.maxBlocks);
    int longest = 0, longWords = 0;
    for (const Word& w : WordsOf(FindRuns(g))) {
        longest = std::max(longest, w.length);
        longWords += w.length >= LongWord;
    }
    if (longest > lim.maxWord)
        return "has a word longer than " + std::to_string(lim.maxWord);
    if (longest < lim.minLongest)
        return "longest word " + std::to_string(longest) + " is short of " + std::to_string(lim.minLongest);
    if (longWords > MaxLongWords)
        return std::to_string(longWords) + " words of " + std::to_string(LongWord) + "+ letters";
    return "";
}

// One attempt at a template; false when the random choices led nowhere.
bool TryTemplate(int n, Rng& rng, Grid& out)
{
    const Limits lim = LimitsFor(n);
    Grid g = Lattice(n);

    // The long word: on the centre line it is its own mirror, elsewhere it comes in a pair.
    const int lines = (n - 1) / 2;
    const int line = 2 * rng.Below(lines) + 1;
    const bool across = rng.Below(2) == 0;
    const bool centre = line == n / 2;
    int length = n == 19 ? rng.Between(15, 17) : rng.Between(n - 2, n);
    if (centre && (n - length) % 2 != 0)
        length = length == n ? n - 2 : length + 1;
    const int start = centre ? (n - length) / 2 : rng.Below(n - length + 1);
    const Word kept{across, line, start, length};
    const Word keptMirror = Mirror(g, kept);
    std::vector<char> keep(g.block.size(), 0);
    for (const Word& w : {kept, keptMirror})
        for (int i = 0; i < w.length; ++i)
            keep[static_cast<size_t>(CellOf(g, w, i))] = 1;
    for (int end : {start - 1, start + length}) {
        if (end < 0 || end >= n)
            continue;
        if (across)
            g.BlockPair(end, line);
        else
            g.BlockPair(line, end);
    }
    RemoveStrandedCells(g);
    if (!StructureProblem(g).empty())
        return false;

    auto tryBlock = [&](int cell) {
        if (keep[static_cast<size_t>(cell)] || g.block[static_cast<size_t>(cell)])
            return false;
        Grid trial = g;
        trial.BlockPair(cell % n, cell / n);
        RemoveStrandedCells(trial);
        for (size_t k = 0; k < keep.size(); ++k)
            if (keep[k] && trial.block[k])
                return false;
        if (trial.Blocks() > lim.maxBlocks || HasWall(trial) || !StructureProblem(trial).empty())
            return false;
        g = trial;
        return true;
    };

    // Cut every other word down to at most maxShort letters.
    const int maxShort = rng.Between(7, 9);
    for (;;) {
        std::vector<Word> tooLong;
        for (const Word& w : WordsOf(FindRuns(g)))
            if (w.length > maxShort && !(w == kept) && !(w == keptMirror))
                tooLong.push_back(w);
        if (tooLong.empty())
            break;
        const Word w = tooLong[static_cast<size_t>(rng.Below(static_cast<int>(tooLong.size())))];
        // Cuts near the middle come first, loosely, so the pieces are not mostly three letters.
        std::vector<std::pair<int, int>> order;
        for (int i = 0; i < w.length; ++i)
            order.emplace_back(std::abs(w.length - 1 - 2 * i) + rng.Below(w.length), CellOf(g, w, i));
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        bool cut = false;
        for (const auto& [score, cell] : order)
            if ((cut = tryBlock(cell)))
                break;
        if (!cut)
            return false;
    }

    // A few more blocks for variety, then enough to reach the density of the size.
    const int extra = rng.Between(0, 3);
    for (int added = 0, tries = 0; added < extra && tries < 50; ++tries)
        added += tryBlock(rng.Below(n * n));
    for (int tries = 0; g.Blocks() < lim.minBlocks && tries < 400; ++tries)
        tryBlock(rng.Below(n * n));

    if (!TemplateProblem(g).empty())
        return false;
    out = g;
    return true;
}

int Distance(const Grid& a, const Grid& b)
{
    int d = 0;
    for (size_t k = 0; k < a.block.size(); ++k)
        d += a.block[k] != b.block[k];
    return d;
}

Grid FromRows(const char* const* rows, int n)
{
    Grid g;
    g.n = n;
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            g.block.push_back(rows[r][c] == '-' ? 0 : 1);
    return g;
}

// The templates of one size, or an empty list when not enough distinct ones were found.
std::vector<Grid> TemplatesOfSize(int n, Rng& rng, std::string& error)
{
    std::vector<Grid> found;
    if (n == 11) {
        Grid first = FromRows(FirstTemplate, 11);
        const std::string problem = TemplateProblem(first);
        if (!problem.empty()) {
            error = "the fixed first 11x11 template " + problem;
            return {};
        }
        found.push_back(first);
    }
    // Templates must differ by more than a couple of mirrored blocks.
    const int minDistance = n;
    for (int attempt = 0; found.size() < PerSize && attempt < 200000; ++attempt) {
        Grid g;
        if (!TryTemplate(n, rng, g))
            continue;
        bool distinct = true;
        for (const Grid& other : found)
            distinct = distinct && Distance(g, other) >= minDistance;
        if (distinct)
            found.push_back(g);
    }
    if (found.size() < PerSize) {
        error = "found only " + std::to_string(found.size()) + " templates of size " + std::to_string(n);
        return {};
    }
    return found;
}

std::string Render(const std::vector<std::vector<Grid>>& all)
{
    std::ostringstream out;
    out << "// Generated by tools/gen_templates.cpp; do not edit by hand. To regenerate:\n"
           "//   g++ -std=c++20 -O2 tools/gen_templates.cpp -o gen_templates\n"
           "//   ./gen_templates src/store/GridTemplateData.cpp\n"
           "// Each entry is one grid, row by row from the top, 'X' block and '-' letter,\n"
           "// cut into parts of at most 100 characters.\n\n"
           "#include \"GridTemplates.h\"\n\n"
           "const GridTemplateSource BuiltInGridTemplates[GridSizeCount * TemplatesPerSize] = {\n";
    for (const std::vector<Grid>& size : all) {
        for (size_t t = 0; t < size.size(); ++t) {
            const Grid& g = size[t];
            const std::string text = g.Text();
            out << "    // " << g.n << "x" << g.n << " #" << t + 1 << "\n";
            for (int r = 0; r < g.n; ++r)
                out << "    //   " << text.substr(static_cast<size_t>(r * g.n), static_cast<size_t>(g.n)) << "\n";
            out << "    {" << g.n << ",\n     {";
            for (int p = 0; p < PartCount; ++p) {
                const size_t from = static_cast<size_t>(p * PartLength);
                if (p > 0)
                    out << ",\n      ";
                if (from < text.size())
                    out << '"' << text.substr(from, PartLength) << '"';
                else
                    out << "nullptr";
            }
            out << "}},\n";
        }
    }
    out << "};\n";
    return out.str();
}

void PrintStatistics(const std::vector<Grid>& size)
{
    const int n = size.front().n;
    int minBlocks = n * n, maxBlocks = 0, longest = 0;
    std::vector<int> histogram(static_cast<size_t>(n + 1), 0);
    for (const Grid& g : size) {
        minBlocks = std::min(minBlocks, g.Blocks());
        maxBlocks = std::max(maxBlocks, g.Blocks());
        for (const Word& w : WordsOf(FindRuns(g))) {
            ++histogram[static_cast<size_t>(w.length)];
            longest = std::max(longest, w.length);
        }
    }
    std::cout << n << "x" << n << ": blocks " << minBlocks << ".." << maxBlocks << ", longest word " << longest
              << ", word lengths:";
    for (int len = 3; len <= n; ++len)
        if (histogram[static_cast<size_t>(len)])
            std::cout << ' ' << len << ':' << histogram[static_cast<size_t>(len)];
    std::cout << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || argv[1][0] == '\0') {
        std::cerr << "usage: gen_templates OUTPUT.cpp\n";
        return 2;
    }

    Rng rng(0x4C65786F7279ull);
    std::vector<std::vector<Grid>> all;
    for (int n : SizeList) {
        std::string error;
        std::vector<Grid> size = TemplatesOfSize(n, rng, error);
        if (size.empty()) {
            std::cerr << "gen_templates: " << error << "; nothing written\n";
            return 1;
        }
        all.push_back(std::move(size));
    }

    // Check the whole set once more before anything is written.
    for (const std::vector<Grid>& size : all) {
        for (size_t i = 0; i < size.size(); ++i) {
            const std::string problem = TemplateProblem(size[i]);
            if (!problem.empty()) {
                std::cerr << "gen_templates: " << size[i].n << "x" << size[i].n << " #" << i + 1 << ' ' << problem
                          << "; nothing written\n";
                return 1;
            }
            for (size_t j = 0; j < i; ++j)
                if (size[i].block == size[j].block) {
                    std::cerr << "gen_templates: duplicate " << size[i].n << "x" << size[i].n
                              << " templates; nothing written\n";
                    return 1;
                }
        }
    }

    const std::string text = Render(all);
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    if (!file) {
        std::cerr << "gen_templates: cannot open " << argv[1] << " for writing\n";
        return 1;
    }
    file << text;
    file.close();
    if (!file) {
        std::cerr << "gen_templates: writing " << argv[1] << " failed\n";
        return 1;
    }
    for (const std::vector<Grid>& size : all)
        PrintStatistics(size);
    return 0;
}
