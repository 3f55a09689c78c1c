// SPDX-License-Identifier: MIT
#include "model/chain_files.h"

#include "model/problem_texts.h"

#include "tolerance/stack/chain_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// The words of this file, in the language in force.
struct ChainFileWords
{
    Q_DECLARE_TR_FUNCTIONS(ChainFileWords)
};
} // namespace

using namespace tolerance::stack;

namespace chainFiles {

namespace {

// Far beyond a chain of the most members a chain may have.
constexpr qint64 kLargestFile = 64 << 20;

} // namespace

std::variant<ChainText, QString> open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ChainFileWords::tr("ファイルがありません");
    if (info.isDir())
        return ChainFileWords::tr("フォルダです");
    if (info.size() > kLargestFile)
        return ChainFileWords::tr("64 MB を超えています。公差の積み上げのファイルではありません");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ChainFileWords::tr("読めません: %1").arg(file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ChainFileWords::tr("読めません: %1").arg(file.errorString());
    auto text = readChainFile(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* fault = std::get_if<FileFault>(&text))
        return problemTexts::file(*fault);
    const auto chain = readChain(std::get<ChainText>(text));
    if (const auto* fault = std::get_if<ChainFault>(&chain))
        return problemTexts::chain(std::get<ChainText>(text), *fault);
    return std::move(std::get<ChainText>(text));
}

std::optional<QString> save(const QString& path, const ChainText& chain)
{
    // Root may write a read-only file, and QSaveFile would leave it writable: the user's choice
    // is kept, for root too.
    const QFileInfo info(path);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner))
        return ChainFileWords::tr("読み取り専用のファイルです");
    if (info.isDir())
        return ChainFileWords::tr("フォルダです");
    QSaveFile file(path);
    const std::string bytes = writeChainFile(chain);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size())) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace chainFiles
