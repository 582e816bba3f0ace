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

bool WriteFileReplacing(const std::wstring& path, std::initializer_list<ByteRange> pieces)
{
    // The temporary lives in the same folder, so the rename never crosses volumes.
    std::wstring temp = path + L".tmp~";
    FILE* file = OpenFile(temp, "wb");
    if (!file) return false;
    bool ok = true;
    for (const ByteRange& piece : pieces)
        ok = ok && (piece.size == 0 || fwrite(piece.data, 1, piece.size, file) == piece.size);
    ok = (fflush(file) == 0) && ok;
    ok = (fclose(file) == 0) && ok;
    if (ok) ok = RenameReplacing(temp, path);
    if (!ok) RemoveFile(temp);
    return ok;
}
