// Feeds arbitrary bytes to the INI reader, writes one key into the document
// and checks that the written file reads back with that key in place.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "config/ini_file.h"

namespace {

void Check(bool ok, const char* what)
{
    if (ok) return;
    fprintf(stderr, "fuzz_ini: %s\n", what);
    abort();
}

const wchar_t kSection[] = L"Tavorin";
const wchar_t kKey[] = L"FuzzKey";
const wchar_t kValue[] = L"fuzz value 42";

// Keys the program reads, plus odd names; none equals kKey.
struct Probe {
    const wchar_t* section;
    const wchar_t* key;
};
const Probe kProbes[] = {
    {L"Tavorin", L"Speed"}, {L"tavorin", L"LASTFILE"}, {L"Hotkeys", L"Record"}, {L"", L""}, {L"[x", L"=y"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    IniDocument doc = IniDocument::Parse(data, size);
    std::vector<std::optional<std::wstring>> found;
    for (const Probe& probe : kProbes) found.push_back(doc.Find(probe.section, probe.key));
    doc.Find(kSection, kKey);

    doc.Set(kSection, kKey, kValue);
    Check(doc.Find(kSection, kKey) == std::wstring(kValue), "the value set does not read back");
    // Writing one key leaves every other key as it was.
    for (size_t i = 0; i < found.size(); ++i)
        Check(doc.Find(kProbes[i].section, kProbes[i].key) == found[i], "setting a key changed another key");

    std::vector<uint8_t> bytes = doc.Serialize();
    IniDocument reread = IniDocument::Parse(bytes.data(), bytes.size());
    Check(reread.Encoding() == doc.Encoding(), "the encoding changed on the round trip");
    Check(reread.Find(kSection, kKey) == std::wstring(kValue), "the value set does not read back from the file");
    // Text the encoding cannot hold is replaced on the first write only.
    Check(reread.Serialize() == bytes, "writing the file again gives other bytes");
    return 0;
}
