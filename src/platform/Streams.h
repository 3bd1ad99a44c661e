#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Exceptions.h"

// Byte streams in the shape the cipher and the connection layer expect of them: a position,
// a size that can be set ahead of writing, and reads that may come back short.

class EStreamError : public Exception {
    using Exception::Exception;
};
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to count bytes and returns how many came; 0 at the end of the stream.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes up to count bytes and returns how many were taken.
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;
    virtual void SetSize(std::int64_t newSize) = 0;

    std::int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    std::int64_t Size();

    // All or nothing: these raise EReadError / EWriteError when the bytes don't all move.
    void ReadBuffer(void* buffer, std::size_t count);
    void WriteBuffer(const void* buffer, std::size_t count);
};

// A growable block of memory. SetSize fixes the block's size ahead of writing, so that a
// known amount of data is written without the block being enlarged again.
class TMemoryStream : public TStream {
public:
    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t newSize) override;

    const std::uint8_t* Memory() const { return data_.data(); }
    std::uint8_t* Memory() { return data_.data(); }
    std::size_t Capacity() const { return data_.capacity(); }

private:
    std::vector<std::uint8_t> data_;
    std::size_t position_ = 0;
};

enum class TFileMode {
    fmOpenReadExclusive,  // read only; fails while another process holds the file
    fmOpenReadShared,     // read only, beside other shared readers; fails while a process
                          // holds the file exclusively
    fmCreate,             // create or truncate, read and write
};

// A file on disk. Opening for exclusive reading takes an advisory lock, so that a cooperating
// writer (the update download) cannot change the file halfway through a read.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& fileName, TFileMode mode);
    // Takes over a file opened for reading and writing; it is closed with the stream.
    explicit TFileStream(int fd) : fd_(fd) {}
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t newSize) override;

    int Handle() const { return fd_; }

private:
    int fd_ = -1;
};

// The system's text for an errno value.
std::string SystemErrorText(int errorNumber);
