// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer, a fuzz target runs every file of the folders (or the
// files) named on its command line once: the regression run of the tests.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

#ifndef QUORBEL_LIBFUZZER
int main(int argc, char** argv) {
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList files{QString::fromLocal8Bit(argv[i])};
        if (QFileInfo(files[0]).isDir()) {
            const QDir dir(files[0]);
            files.clear();
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                files << dir.filePath(name);
        }
        for (const QString& path : files) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return 2;
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   size_t(bytes.size()));
            ++runs;
        }
    }
    std::printf("%d inputs, no failure\n", runs);
    return runs > 0 ? 0 : 1;
}
#endif
