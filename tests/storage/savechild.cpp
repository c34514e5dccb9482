// Saves a file from a process of its own, so the storage tests can limit its file size or kill
// it in the middle of the save: tst_storage_savechild PATH SIZE FILL [FILE-SIZE-LIMIT]
// The markers on stderr frame the save's system calls in a trace.
#include "storage/savefile.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

int main(int argc, char** argv) {
    if (argc > 4) {
        const rlim_t size = std::strtoull(argv[4], nullptr, 10);
        const rlimit limit{size, size};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray bytes(std::atoi(argv[2]), argv[3][0]);
    std::fputs("begin\n", stderr);
    const QString why = corvelle::replaceFileContent(path, bytes);
    std::fputs("end\n", stderr);
    std::fprintf(stderr, "%s\n", why.toLocal8Bit().constData());
    return why.isEmpty() ? 0 : 1;
}
