#include "RecordIO.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#ifdef __unix__
#include <unistd.h>
#endif

bool ReadFileRecord(const std::string& path, std::span<uint8_t> out)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    const size_t got = std::fread(out.data(), 1, out.size(), f);
    std::fclose(f);
    return got == out.size();
}

bool WriteFileRecord(const std::string& path, std::span<const uint8_t> record)
{
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(record.data(), 1, record.size(), f) == record.size();
    ok = std::fflush(f) == 0 && ok;
#ifdef __unix__
    ok = ok && ::fsync(fileno(f)) == 0;
#endif
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temp, path, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}
