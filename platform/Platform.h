#pragma once

#include <string>
#include <string_view>

// The few file-system and process services whose rules differ between operating systems.
// Files are plain descriptors; failures leave errno set, so callers word the reason with
// std::strerror.
namespace platform {

// What saving needs to know about an existing path.
struct FileFacts
{
    bool exists = false;
    bool regular = false;
    bool readOnly = false; // the user may not write it, or it forbids writing to everyone
    unsigned long linkCount = 1;
};
FileFacts fileFacts(const std::string &path);

// An ordinary file of exactly this name exists (no name the system would quietly alter).
bool isOrdinaryFile(const std::string &path);

// Creates a new file that must not exist yet; -1 on failure.
int createNewFile(const std::string &path);
// Opens an existing file for writing and empties it; -1 on failure.
int openForRewrite(const std::string &path);
bool writeAll(int fd, std::string_view bytes);
bool flushToDisk(int fd);
bool closeFile(int fd);

// Gives the open file the permissions, owner and group of `original`, as far as the user
// is allowed to; a new file (no original) keeps what it was created with.
bool copyAccessFrom(int fd, const std::string &original);

// Puts `from` in the place of `to` in one step, replacing an existing `to`.
bool replaceFile(const std::string &from, const std::string &to);

// Standard output carries bytes unchanged (no line-end translation).
void useBinaryStandardOutput();
// Standard output is a terminal (a person reads it), not a pipe or a file.
bool standardOutputIsTerminal();

// The directory of the running program file.
std::string programDirectory(const char *argv0);

} // namespace platform
