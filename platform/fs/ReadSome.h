#pragma once
// One read of an open file, tried again when a signal interrupts it.

#include <cstddef>
#include <string>

// Up to size bytes into buffer; 0 at the end of the file. A failure raises
// the AppError that fits errno, naming path.
std::size_t ReadSome(int fd, char* buffer, std::size_t size, const std::string& path);
