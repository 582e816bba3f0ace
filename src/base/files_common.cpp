#include "base/files.h"

#include "base/text.h"

bool ReadFileBytes(const std::wstring& path, std::vector<uint8_t>* bytes)
{
    FILE* file = OpenFile(path, "rb");
    if (!file) return false;
    uint64_t size = 0;
    bool ok = GetOpenFileSize(file, &size) && size <= SIZE_MAX;
    if (ok) {
        bytes->resize(static_cast<size_t>(size));
        ok = size == 0 || fread(bytes->data(), 1, bytes->size(), file) == bytes->size();
    }
    fclose(file);
    return ok;
}

bool WriteFileReplacing(const std::wstring& path, const void* data, size_t size)
{
    // The temporary lives in the same folder, so the rename never crosses volumes.
    std::wstring temp = path + L".tmp~";
    FILE* file = OpenFile(temp, "wb");
    if (!file) return false;
    bool ok = (size == 0 || fwrite(data, 1, size, file) == size);
    ok = (fflush(file) == 0) && ok;
    ok = (fclose(file) == 0) && ok;
    if (ok) ok = RenameReplacing(temp, path);
    if (!ok) RemoveFile(temp);
    return ok;
}
