#pragma once

// A directory of the fuzz run's own below the temporary folder, made on first use and
// removed when the run ends.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

inline const std::string &scratchDirectory()
{
    // Never destroyed, so the removal at exit can still read it.
    static const std::string *path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return new std::string(pattern);
    }();
    static const bool removedAtExit = std::atexit([] {
                                          std::error_code ignored;
                                          std::filesystem::remove_all(*path, ignored);
                                      }) == 0;
    (void)removedAtExit;
    return *path;
}
