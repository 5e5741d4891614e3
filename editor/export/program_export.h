// The message program on disk: the personalised copy of the program Bandsmith carries, written
// to the temporary folder, and started the way a path with spaces needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bndx {

constexpr int kMessageProgramResourceId = 133;
constexpr char kMessageProgramResourceType[] = "BANDPOSTEXE";
constexpr char kTemporaryProgramName[] = "BndxMsg.exe";

// The program image among the resources of the module this code is linked into (Bandsmith
// itself); empty when it carries none.
std::vector<uint8_t> EmbeddedMessageProgram();

// The system's temporary folder followed by kTemporaryProgramName.
std::string TemporaryProgramPath();

// Writes the embedded program with the message (trimmed) in its block to TemporaryProgramPath
// and returns that path. The caller has refused an empty message already: a program with no
// text never ends by itself. On failure the user is told why and the result is empty; a copy
// still running from an earlier test holds the file, so the message asks them to wait for it.
std::string WriteMessageProgram(const std::string& message);

// Starts the program at path, shown normally, without waiting for it. The path is passed as the
// program to run and, quoted, as its command line, so that a folder with spaces cannot make the
// system run a program named after the part before a space. False when it could not be started.
bool StartProgram(const std::string& path);

} // namespace bndx
