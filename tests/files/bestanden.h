// Reading and writing whole files for the tests of documents and settings;
// contents come back as std::string so failed comparisons show the bytes.
#pragma once

#include "qstringprinter.h"

#include <QByteArray>
#include <QFile>

#include <gtest/gtest.h>

#include <string>

namespace korvane::test {

inline std::string Lees(const QString& pad)
{
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "<onleesbaar>";
}

inline void Schrijf(const QString& pad, const QByteArray& bytes)
{
    QFile f(pad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << pad.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace korvane::test
