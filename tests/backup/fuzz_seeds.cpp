// Writes valid backup files of every layout into a folder, as seeds for the fuzz target.
#include "backup/BackupFile.h"

#include <cstdio>
#include <string>

using namespace backup;

static void Save(const std::string& path, const Bytes& bytes) {
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    const char* names[] = {"nt", "98", "95", "fallback"};
    int i = 0;
    for (Layout layout : {Layout::NT, Layout::Win98, Layout::Win95, Layout::Fallback}) {
        SettingsBackup backup = NewBackup(layout);
        Save(folder + "/empty-" + names[i], WriteRecords({}, EncodeBackup(backup).records));
        for (SavedValue& value : backup.globals)
            value = value.kind == SavedValue::Number ? SavedValue::OfNumber(1) : SavedValue::OfText("1500");
        for (auto& values : backup.adapterValues) {
            for (int k = 0; k < SlowNetValue; ++k) values[k] = SavedValue::OfText("576");
            values[SlowNetValue] = SavedValue::OfBytes({1, 0, 0, 0});
        }
        Save(folder + "/tuned-" + names[i], WriteRecords({}, EncodeBackup(backup).records));
        ++i;
    }
    return 0;
}
