#pragma once

#include <QString>
#include <optional>

// Passwords never come from the command line itself, where other users could read them.

// One line read from an open descriptor, without its line end; none when nothing could be
// read. Reads byte by byte, so nothing after the line is taken from a shared descriptor.
std::optional<QString> ReadPasswordLine(int fd);

// Asks on the controlling terminal with echo off; none when there is no terminal.
std::optional<QString> AskPassword(const QString& label);
