// SearchFolder over a generated tree of 100,000 files, against `find DIR -type f` over the
// same tree in the same run. Both run once to warm the cache, then the best of five counts.
#include "input/delete_folder_tree.h"
#include "input/file_search.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// 10 x 10 x 10 folders, each of the 1,000 innermost holding 100 files.
std::string makeTree()
{
    std::string root = "/tmp/brisquel-bench-XXXXXX";
    if (!mkdtemp(root.data()))
        std::exit(1);
    for (int a = 0; a < 10; ++a) {
        const std::string pa = root + "/artist " + std::to_string(a);
        mkdir(pa.c_str(), 0700);
        for (int b = 0; b < 10; ++b) {
            const std::string pb = pa + "/album " + std::to_string(b);
            mkdir(pb.c_str(), 0700);
            for (int c = 0; c < 10; ++c) {
                const std::string pc = pb + "/disc " + std::to_string(c);
                mkdir(pc.c_str(), 0700);
                for (int f = 0; f < 100; ++f) {
                    const std::string file = pc + "/track " + std::to_string(f) + ".mp3";
                    close(open(file.c_str(), O_WRONLY | O_CREAT, 0600));
                }
            }
        }
    }
    return root;
}

std::size_t runSearch(const std::string& root)
{
    std::vector<std::string> found;
    brisquel::SearchFolder(root, found, [] {});
    return found.size();
}

// Counts the lines find prints; started directly, no shell.
std::size_t runFind(const std::string& root)
{
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::string dir = root;
    char find[] = "find";
    char type[] = "-type";
    char f[] = "f";
    char* argv[] = {find, dir.data(), type, f, nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "find", &actions, nullptr, argv, environ) != 0)
        std::exit(1);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::size_t lines = 0;
    char buffer[65536];
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
        lines += static_cast<std::size_t>(std::count(buffer, buffer + got, '\n'));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return lines;
}

template <typename Run>
double bestSeconds(Run run, std::size_t& count)
{
    count = run();
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        count = run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main()
{
    const std::string root = makeTree();
    std::size_t searched = 0;
    std::size_t listed = 0;
    const double search = bestSeconds([&] { return runSearch(root); }, searched);
    const double find = bestSeconds([&] { return runFind(root); }, listed);
    brisquel::DeleteFolderTree(root, nullptr);

    std::printf("SearchFolder: %zu files in %.1f ms\n", searched, search * 1000);
    std::printf("find -type f: %zu files in %.1f ms\n", listed, find * 1000);
    std::printf("ratio SearchFolder / find: %.2f\n", search / find);
    return searched == listed ? 0 : 1;
}
