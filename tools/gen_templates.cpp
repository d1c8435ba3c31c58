// Generates the built-in crossword grid templates and writes them as C++ source.
//
//   g++ -std=c++20 -O2 -pthread tools/gen_templates.cpp -o gen_templates
//   ./gen_templates src/store/GridTemplateData.cpp
//
// Each grid is found by simulated annealing over mirrored pairs of blocks, towards the
// shapes the word list can fill (see Evaluate). The output is deterministic.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int SizeList[] = {11, 13, 15, 17, 19};
constexpr int PerSize = 20;
constexpr int PartLength = 100;
constexpr int PartCount = 4;
constexpr int MaxSide = 19;

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
};

Limits LimitsFor(int n)
{
    switch (n) {
    case 11: return {39, 48};
    case 13: return {52, 69};
    case 15: return {78, 92};
    case 17: return {97, 109};
    default: return {122, 135};
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

// What the fill needs, measured on the word list: long answers are few (and fewer still among
// the common or the less common words), 3-letter answers are rare, and a short word whose letters
// are all crossed leaves few candidates. So words are at most MaxWord letters, at most one
// mirrored pair of them LongWord or longer, no 3-letter words, a short word has at most
// MaxCrossed crossed letters (2 for a 4-letter word), and words should rather end on squares
// nothing crosses.
constexpr int MaxWord = 11;
constexpr int LongWord = 10;
constexpr int MaxLongWords = 2;
constexpr int MaxCrossed = 3;
// A 4-letter word with three crossed letters leaves too few candidates among the rarer words.
constexpr int MaxCrossedOf(int length) { return length == 4 ? 2 : MaxCrossed; }
constexpr int MaxWordsPerDirection = 50;  // the saved file's clue lists

struct Score {
    int hard = 0;  // broken rules: must reach 0
    int soft = 0;  // preferences
};

Score Evaluate(const Grid& g)
{
    const int n = g.n;
    Score s;
    int across[MaxSide][MaxSide] = {}, down[MaxSide][MaxSide] = {};
    for (int r = 0; r < n; ++r)
        for (int c = 0, run = 0; c <= n; ++c) {
            if (c < n && !g.At(c, r)) {
                ++run;
                continue;
            }
            for (int i = c - run; i < c; ++i)
                across[i][r] = run;
            run = 0;
        }
    for (int c = 0; c < n; ++c)
        for (int r = 0, run = 0; r <= n; ++r) {
            if (r < n && !g.At(c, r)) {
                ++run;
                continue;
            }
            for (int i = r - run; i < r; ++i)
                down[c][i] = run;
            run = 0;
        }
    const Limits lim = LimitsFor(n);
    const int blocks = g.Blocks();
    if (blocks < lim.minBlocks)
        s.hard += 10 * (lim.minBlocks - blocks);
    if (blocks > lim.maxBlocks)
        s.hard += 10 * (blocks - lim.maxBlocks);

    int longWords = 0;
    for (int dir = 0; dir < 2; ++dir) {
        int words = 0;
        for (int line = 0; line < n; ++line)
            for (int pos = 0; pos < n; ++pos) {
                const int c = dir == 0 ? pos : line, r = dir == 0 ? line : pos;
                const int len = dir == 0 ? across[c][r] : down[c][r];
                const bool first = dir == 0 ? (c == 0 || g.At(c - 1, r)) : (r == 0 || g.At(c, r - 1));
                if (g.At(c, r) || !first)
                    continue;
                if (len == 1) {
                    if ((dir == 0 ? down[c][r] : across[c][r]) == 1)
                        s.hard += 40;  // a letter in no word
                    continue;
                }
                if (len == 2) {
                    s.hard += 40;
                    continue;
                }
                ++words;
                int crossed = 0, crossedByWord = 0;
                for (int i = 0; i < len; ++i) {
                    const int other = dir == 0 ? down[c + i][r] : across[c][r + i];
                    crossed += other >= 2;
                    crossedByWord += other >= 3;
                }
                if (crossedByWord == 0)
                    s.hard += 40;
                if (len > MaxWord)
                    s.hard += 40 * (len - MaxWord);
                if (len >= LongWord)
                    ++longWords;
                else if (crossed > MaxCrossedOf(len))
                    s.hard += 20 * (crossed - MaxCrossedOf(len));
                if (len == 3)
                    s.hard += 20;
                if (len == 4)
                    s.soft += 1;
                const int lastC = dir == 0 ? c + len - 1 : c, lastR = dir == 0 ? r : r + len - 1;
                s.soft += (dir == 0 ? down[c][r] : across[c][r]) >= 2;
                s.soft += (dir == 0 ? down[lastC][lastR] : across[lastC][lastR]) >= 2;
            }
        if (words > MaxWordsPerDirection)
            s.hard += 40 * (words - MaxWordsPerDirection);
    }
    if (longWords > MaxLongWords)
        s.hard += 40 * (longWords - MaxLongWords);
    if (!Connected(g))
        s.hard += 60;
    return s;
}

// Structure plus the density and word-length goals of a finished template.
std::string TemplateProblem(const Grid& g, bool recipe)
{
    const Limits lim = LimitsFor(g.n);
    std::string problem = StructureProblem(g);
    if (!problem.empty())
        return problem;
    const int blocks = g.Blocks();
    if (blocks < lim.minBlocks || blocks > lim.maxBlocks)
        return std::to_string(blocks) + " blocks, outside " + std::to_string(lim.minBlocks) + ".." +
               std::to_string(lim.maxBlocks);
    int across = 0, down = 0;
    for (const Word& w : WordsOf(FindRuns(g)))
        ++(w.across ? across : down);
    if (across > MaxWordsPerDirection || down > MaxWordsPerDirection)
        return "more than " + std::to_string(MaxWordsPerDirection) + " words in one direction";
    if (recipe && Evaluate(g).hard != 0)
        return "breaks the word-length or crossing goals";
    return "";
}

// One template by simulated annealing over mirrored pairs of blocks; false when the search
// ended with a rule still broken.
bool TryTemplate(int n, Rng& rng, Grid& out)
{
    const Limits lim = LimitsFor(n);
    Grid g;
    g.n = n;
    g.block.assign(static_cast<size_t>(n * n), 0);
    const int target = (lim.minBlocks + lim.maxBlocks) / 2;
    while (g.Blocks() < target - 1)
        g.BlockPair(rng.Below(n), rng.Below(n));

    constexpr int Steps = 150000;
    Score current = Evaluate(g);
    Grid best = g;
    Score bestScore = current;
    for (int step = 0; step < Steps; ++step) {
        const double temperature = 6.0 * std::pow(0.02 / 6.0, static_cast<double>(step) / Steps);
        const int c = rng.Below(n), r = rng.Below(n);
        const bool wasBlock = g.At(c, r);
        g.Set(c, r, !wasBlock);
        g.Set(n - 1 - c, n - 1 - r, !wasBlock);
        const Score next = Evaluate(g);
        const int delta = (next.hard + next.soft) - (current.hard + current.soft);
        const double chance = static_cast<double>(rng.Below(1000000)) / 1000000.0;
        if (delta <= 0 || chance < std::exp(-delta / temperature)) {
            current = next;
            if (current.hard < bestScore.hard ||
                (current.hard == bestScore.hard && current.soft < bestScore.soft)) {
                best = g;
                bestScore = current;
            }
        } else {
            g.Set(c, r, wasBlock);
            g.Set(n - 1 - c, n - 1 - r, wasBlock);
        }
    }
    if (bestScore.hard != 0 || !TemplateProblem(best, true).empty())
        return false;
    out = best;
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
// Attempts run a few at a time on threads; each has its own seed, and they are taken in
// attempt order, so the output does not depend on the timing.
std::vector<Grid> TemplatesOfSize(int n, uint64_t seed, std::string& error)
{
    constexpr int Threads = 3;
    constexpr int MaxAttempts = 3000;
    std::vector<Grid> found;
    if (n == 11) {
        Grid first = FromRows(FirstTemplate, 11);
        const std::string problem = TemplateProblem(first, false);
        if (!problem.empty()) {
            error = "the fixed first 11x11 template " + problem;
            return {};
        }
        found.push_back(first);
    }
    // Templates must differ by more than a couple of mirrored blocks.
    const int minDistance = n;
    for (int start = 0; found.size() < PerSize && start < MaxAttempts; start += Threads) {
        std::vector<Grid> results(Threads);
        std::vector<char> ok(Threads, 0);
        std::vector<std::thread> workers;
        for (int i = 0; i < Threads; ++i)
            workers.emplace_back([&, i] {
                Rng rng(seed + 0x9E3779B97F4A7C15ull * static_cast<uint64_t>(start + i + 1));
                ok[static_cast<size_t>(i)] = TryTemplate(n, rng, results[static_cast<size_t>(i)]);
            });
        for (std::thread& w : workers)
            w.join();
        for (int i = 0; i < Threads && found.size() < PerSize; ++i) {
            if (!ok[static_cast<size_t>(i)])
                continue;
            const Grid& g = results[static_cast<size_t>(i)];
            bool distinct = true;
            for (const Grid& other : found)
                distinct = distinct && Distance(g, other) >= minDistance;
            if (distinct)
                found.push_back(g);
        }
        std::cerr << n << "x" << n << ": " << start + Threads << " attempts, " << found.size() << " found\r";
    }
    std::cerr << '\n';
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
           "//   g++ -std=c++20 -O2 -pthread tools/gen_templates.cpp -o gen_templates\n"
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

    std::vector<std::vector<Grid>> all;
    for (int n : SizeList) {
        std::string error;
        std::vector<Grid> size = TemplatesOfSize(n, 0x4C65786F7279ull + static_cast<uint64_t>(n), error);
        if (size.empty()) {
            std::cerr << "gen_templates: " << error << "; nothing written\n";
            return 1;
        }
        all.push_back(std::move(size));
    }

    // Check the whole set once more before anything is written.
    for (const std::vector<Grid>& size : all) {
        for (size_t i = 0; i < size.size(); ++i) {
            // The fixed first template is older than the word-length goals.
            const std::string problem = TemplateProblem(size[i], !(size[i].n == 11 && i == 0));
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
