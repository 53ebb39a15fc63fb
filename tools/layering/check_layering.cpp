// Checks the quoted includes of every library file against the floor table:
//   check_layering SOURCE_ROOT FLOOR_TABLE
// Prints one line per finding ("file:line: ...") and exits 1 when there is any. Findings:
// an include that goes up a floor, one that leaves the library or does not name a file from
// the source root, a generated form included by a header, and every include cycle.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Include
{
    std::string target; // as written
    int line;
};

struct Table
{
    std::map<std::string, int> floors; // folder -> floor
};

Table readTable(fs::path const& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read the floor table " + path.string());
    Table table;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        std::istringstream line(text.substr(0, text.find('#')));
        std::string first, second;
        if (!(line >> first))
            continue;
        int floor = 0;
        std::istringstream asNumber(first);
        if (asNumber >> floor && asNumber.eof() && floor > 0 && line >> second) {
            table.floors[second] = floor;
            continue;
        }
        throw std::runtime_error(path.string() + ":" + std::to_string(number)
                                 + ": expected \"FLOOR FOLDER\"");
    }
    return table;
}

// The folder of the table that holds a path, the longest match winning; empty if none.
std::string folderOf(Table const& table, std::string const& path)
{
    std::string best;
    for (auto const& [folder, floor] : table.floors) {
        (void)floor;
        if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
            && path[folder.size()] == '/' && folder.size() > best.size())
            best = folder;
    }
    return best;
}

bool isGenerated(std::string const& include)
{
    std::string const name = fs::path(include).filename().string();
    auto endsWith = [&](std::string const& tail) {
        return name.size() >= tail.size() && name.compare(name.size() - tail.size(), tail.size(), tail) == 0;
    };
    return name.rfind("ui_", 0) == 0 || endsWith("_export.h") || endsWith(".moc")
           || name.rfind("moc_", 0) == 0;
}

std::vector<Include> includesOf(fs::path const& file)
{
    // A form's custom widgets become includes of the header uic generates from it.
    static std::regex const quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    static std::regex const formHeader(R"(<header>([^<]+)</header>)");
    bool const isForm = file.extension() == ".ui";
    std::ifstream in(file);
    std::vector<Include> found;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::smatch match;
        if (std::regex_search(text, match, isForm ? formHeader : quoted))
            found.push_back({match[1].str(), line});
    }
    return found;
}

class Checker
{
public:
    Checker(fs::path root, Table table)
        : m_root(std::move(root))
        , m_table(std::move(table))
    {}

    int run()
    {
        for (auto const& [folder, floor] : m_table.floors) {
            (void)floor;
            fs::path const dir = m_root / folder;
            if (!fs::is_directory(dir))
                continue;
            for (auto const& entry : fs::recursive_directory_iterator(dir)) {
                std::string const ext = entry.path().extension().string();
                if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".ui"))
                    continue;
                std::string const file = fs::relative(entry.path(), m_root).generic_string();
                if (folderOf(m_table, file) == folder) {
                    checkFile(file);
                    ++m_files;
                }
            }
        }
        for (auto const& [file, edges] : m_graph) {
            (void)edges;
            findCycles(file);
        }
        if (m_files == 0)
            report(m_root.string(), 0, "no library file found under the folders of the table");
        return m_findings == 0 ? 0 : 1;
    }

    int files() const { return m_files; }

private:
    void report(std::string const& file, int line, std::string const& text)
    {
        std::cout << file << ":" << line << ": " << text << "\n";
        ++m_findings;
    }

    void checkFile(std::string const& file)
    {
        std::string const folder = folderOf(m_table, file);
        int const floor = m_table.floors.at(folder);
        bool const isHeader = fs::path(file).extension() == ".h";
        auto& edges = m_graph[file];
        for (Include const& include : includesOf(m_root / file)) {
            if (isGenerated(include.target)) {
                if (isHeader && include.target.rfind("ui_", 0) == 0)
                    report(file, include.line,
                           "includes the generated form \"" + include.target
                               + "\"; a public header must not need it (hold the form in the dialog's "
                                 "private part)");
                continue;
            }
            if (!fs::is_regular_file(m_root / include.target)) {
                report(file, include.line,
                       "includes \"" + include.target
                           + "\", which is no file under the source root (write includes from the root)");
                continue;
            }
            std::string const target = fs::path(include.target).lexically_normal().generic_string();
            std::string const targetFolder = folderOf(m_table, target);
            if (targetFolder.empty()) {
                report(file, include.line, "includes \"" + target + "\", which is not part of the library");
                continue;
            }
            edges.emplace(target, include.line);
            int const targetFloor = m_table.floors.at(targetFolder);
            if (targetFloor > floor)
                report(file, include.line,
                       "includes \"" + target + "\" (" + targetFolder + ", floor "
                           + std::to_string(targetFloor) + ") from " + folder + " (floor "
                           + std::to_string(floor) + "): includes may only go down");
        }
    }

    // Depth-first search; a file met again while it is on the path closes a cycle.
    void findCycles(std::string const& file)
    {
        if (m_done.count(file))
            return;
        auto const onPath = std::find(m_path.begin(), m_path.end(), file);
        if (onPath != m_path.end()) {
            std::string cycle;
            for (auto it = onPath; it != m_path.end(); ++it)
                cycle += *it + " -> ";
            std::string const second = std::next(onPath) == m_path.end() ? file : *std::next(onPath);
            report(file, m_graph[file][second], "include cycle: " + cycle + file);
            return;
        }
        m_path.push_back(file);
        for (auto const& [next, line] : m_graph[file]) {
            (void)line;
            findCycles(next);
        }
        m_path.pop_back();
        m_done.insert(file);
    }

    fs::path m_root;
    Table m_table;
    std::map<std::string, std::map<std::string, int>> m_graph; // file -> included library file -> line
    std::vector<std::string> m_path;
    std::set<std::string> m_done;
    int m_findings = 0;
    int m_files = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: check_layering SOURCE_ROOT FLOOR_TABLE\n";
        return 2;
    }
    try {
        Checker checker(argv[1], readTable(argv[2]));
        int const result = checker.run();
        if (result == 0)
            std::cout << "layering: " << checker.files()
                      << " library files, every include goes down the floor table, no cycle\n";
        return result;
    } catch (std::exception const& e) {
        std::cerr << "check_layering: " << e.what() << "\n";
        return 2;
    }
}
