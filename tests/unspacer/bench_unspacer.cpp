// Renaming 10,000 files with blanks: Unspacer's load against a bare
// no-replace rename loop (the floor) and against Debian's `rename` tool.
#include "unspacer/form1.h"
#include "unspacer/names.h"
#include "unspacer/platform.h"
#include "unspacer/renamer.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 10'000;
constexpr int kRuns = 7;

std::string spacedName(int i)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "file %05d with blanks.txt", i);
    return buffer;
}

std::vector<std::string> folderEntries()
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(".");
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

void emptyFolder()
{
    for (const std::string& name : folderEntries())
        ::unlink(name.c_str());
}

void makeFiles()
{
    emptyFolder();
    for (int i = 0; i < kFiles; ++i) {
        const int fd = ::open(spacedName(i).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) {
            std::perror("open");
            std::exit(2);
        }
        ::close(fd);
    }
    ::sync();
}

// Every file must have lost its blanks, or the timing measured nothing.
bool allRenamed()
{
    const auto names = folderEntries();
    return names.size() == static_cast<std::size_t>(kFiles) &&
           std::none_of(names.begin(), names.end(),
                        [](const std::string& n) { return unspacer::hasBlank(n); });
}

double timeMs(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Debian's `rename` is the Perl File::Rename tool; util-linux ships a
// different program under the same name that takes other arguments.
bool haveRenameTool()
{
    if (QStandardPaths::findExecutable(u"rename"_s).isEmpty())
        return false;
    QProcess probe;
    probe.start(u"rename"_s, {u"--version"_s});
    return probe.waitForFinished(10'000) && probe.readAllStandardOutput().contains("File::Rename");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path())) {
        std::fprintf(stderr, "cannot use a temporary folder\n");
        return 2;
    }
    const bool withTool = haveRenameTool();

    std::vector<std::pair<std::string, std::string>> pairs;
    for (int i = 0; i < kFiles; ++i) {
        const std::string from = spacedName(i);
        pairs.emplace_back(from, unspacer::withoutBlanks(from));
    }

    std::vector<double> formLoad, core, floor, tool;
    bool ok = true;
    // The contenders take turns so that drift in the machine hits all alike.
    for (int run = 0; run < kRuns; ++run) {
        makeFiles();
        formLoad.push_back(timeMs([&] {
            unspacer::Form1 form;
            ok = form.formLoad() && ok;
        }));
        ok = allRenamed() && ok;

        makeFiles();
        core.push_back(timeMs([&] {
            std::vector<unspacer::NativeName> names;
            ok = unspacer::listFolder(names) == 0 && ok;
            unspacer::sortLikeFileList(names);
            ok = !unspacer::renameAll(names) && ok;
        }));
        ok = allRenamed() && ok;

        makeFiles();
        floor.push_back(timeMs([&] {
            for (const auto& [from, to] : pairs)
                ok = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) ==
                         0 &&
                     ok;
        }));
        ok = allRenamed() && ok;

        if (withTool) {
            makeFiles();
            tool.push_back(timeMs([&] {
                ok = QProcess::execute(u"/bin/sh"_s, {u"-c"_s, u"rename 's/ //g' *"_s}) == 0 && ok;
            }));
            ok = allRenamed() && ok;
        }
    }
    emptyFolder();

    if (!ok) {
        std::fprintf(stderr, "a run did not rename every file\n");
        return 1;
    }

    const double floorMs = median(floor);
    std::printf("Renaming %d files with blanks, median of %d runs (%s):\n", kFiles, kRuns,
                qPrintable(dir.path()));
    std::printf("  Unspacer Form_Load (list, sort, fill File1, rename): %8.1f ms  (%.2fx floor)\n",
                median(formLoad), median(formLoad) / floorMs);
    std::printf("  Unspacer without the window (list, sort, rename):   %8.1f ms  (%.2fx floor)\n",
                median(core), median(core) / floorMs);
    std::printf("  floor: bare renameat2(RENAME_NOREPLACE) loop:        %8.1f ms\n", floorMs);
    if (withTool) {
        std::printf(
            "  Debian rename 's/ //g' * (incl. shell and Perl start):%7.1f ms  (%.2fx floor)\n",
            median(tool), median(tool) / floorMs);
    } else {
        std::printf(
            "  Debian rename: not measured, the File::Rename `rename` tool is not installed\n");
    }
    std::printf("  target: Form_Load within 1.5x floor: %s; faster than rename: %s\n",
                median(formLoad) <= 1.5 * floorMs ? "yes" : "NO",
                !withTool ? "n/a" : (median(formLoad) < median(tool) ? "yes" : "NO"));
    return 0;
}
