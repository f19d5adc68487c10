// farewell_files.cpp: open and close without touching the contents, the POSIX way.
#include "ui/farewell_files.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "design/ui_texts.h"

namespace torvelle {

std::vector<std::string> touchFarewellFiles(const std::string& directory,
                                            const std::vector<std::string>& names)
{
    std::vector<std::string> problems;
    const int dir = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) {
        problems.push_back(directory + ": " + std::strerror(errno));
        return problems;
    }
    for (const std::string& name : names) {
        // Read-only access is enough to create the file and leaves its time alone;
        // O_NONBLOCK keeps a FIFO of that name from hanging the farewell.
        const int fd =
            ::openat(dir, name.c_str(),
                     O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0) {
            problems.push_back(name + ": " + std::strerror(errno));
            continue;
        }
        struct stat info {};
        if (::fstat(fd, &info) == 0 && !S_ISREG(info.st_mode))
            problems.push_back(name + ": not a regular file");
        ::close(fd);
    }
    ::close(dir);
    return problems;
}

void touchFarewellFilesHere()
{
    const std::vector<std::string> names(std::begin(ui_texts::kFarewellFiles),
                                         std::end(ui_texts::kFarewellFiles));
    // "." rather than the directory's path, which is empty once the directory is deleted.
    for (const std::string& problem : touchFarewellFiles(".", names))
        std::cerr << "torvelle: " << problem << '\n';
}

} // namespace torvelle
