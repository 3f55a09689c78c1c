// SPDX-License-Identifier: MIT
#include "model/last_chain.h"

#include "desktop/settings.h"

#include <QSettings>

using namespace tolerance::stack;

namespace lastChain {

namespace {

// The window's own file or key, never the shared one the lookup window's position is kept in.
constexpr QStringView kApplication = u"TessalyStack";

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string utf8(const QVariant& value)
{
    return value.toString().toStdString();
}

// Keys of a member in the store, in the order of its fields.
const char* const kMemberKeys[] = {"name",     "direction",   "nominal", "tolerance",
                                   "material", "temperature", "kept"};

std::string* fieldsOf(MemberText& m, int i)
{
    std::string* fields[] = {&m.name,     &m.direction,   &m.nominal, &m.tolerance,
                             &m.material, &m.temperature, &m.keptJson};
    return fields[i];
}

} // namespace

std::optional<Kept> loadChain()
{
    QSettings settings = settings::store(kApplication);
    settings.beginGroup(QStringLiteral("chain"));
    if (!settings.contains(QStringLiteral("distribution")))
        return std::nullopt;
    Kept kept;
    kept.chain.requirement = utf8(settings.value(QStringLiteral("requirement")));
    kept.chain.distribution = utf8(settings.value(QStringLiteral("distribution")));
    kept.chain.keptJson = utf8(settings.value(QStringLiteral("kept")));
    kept.file = settings.value(QStringLiteral("file")).toString();
    kept.modified = settings.value(QStringLiteral("modified")).toBool();
    const int count = settings.beginReadArray(QStringLiteral("members"));
    for (int row = 0; row < count; ++row) {
        settings.setArrayIndex(row);
        MemberText member;
        for (int i = 0; i < int(std::size(kMemberKeys)); ++i)
            *fieldsOf(member, i) = utf8(settings.value(QLatin1StringView(kMemberKeys[i])));
        kept.chain.members.push_back(std::move(member));
    }
    settings.endArray();
    return kept;
}

Window loadWindow()
{
    QSettings settings = settings::store(kApplication);
    settings.beginGroup(QStringLiteral("window"));
    return {settings.value(QStringLiteral("geometry")).toByteArray(),
            settings.value(QStringLiteral("size")).toSize(),
            settings.value(QStringLiteral("splitter")).toByteArray(),
            settings.value(QStringLiteral("toolPage"), 0).toInt()};
}

QStringList recentFiles()
{
    return settings::store(kApplication).value(QStringLiteral("recent/files")).toStringList();
}

QSettings store()
{
    return settings::store(kApplication);
}

void save(const Kept& kept, const Window& window, const QStringList& recent,
          const std::function<void(QSettings&)>& more)
{
    // A save that fails says so on stderr and leaves the file as it was.
    settings::save(kApplication, u"the chain", [&](QSettings& written) {
        written.remove(QStringLiteral("chain"));
        written.beginGroup(QStringLiteral("chain"));
        written.setValue(QStringLiteral("requirement"), qt(kept.chain.requirement));
        written.setValue(QStringLiteral("distribution"), qt(kept.chain.distribution));
        written.setValue(QStringLiteral("kept"), qt(kept.chain.keptJson));
        written.setValue(QStringLiteral("file"), kept.file);
        written.setValue(QStringLiteral("modified"), kept.modified);
        written.beginWriteArray(QStringLiteral("members"), int(kept.chain.members.size()));
        for (int row = 0; row < int(kept.chain.members.size()); ++row) {
            written.setArrayIndex(row);
            MemberText member = kept.chain.members[std::size_t(row)];
            for (int i = 0; i < int(std::size(kMemberKeys)); ++i)
                written.setValue(QLatin1StringView(kMemberKeys[i]), qt(*fieldsOf(member, i)));
        }
        written.endArray();
        written.endGroup();
        written.beginGroup(QStringLiteral("window"));
        if (!window.geometry.isEmpty())
            written.setValue(QStringLiteral("geometry"), window.geometry);
        written.setValue(QStringLiteral("size"), window.size);
        written.setValue(QStringLiteral("splitter"), window.splitter);
        written.setValue(QStringLiteral("toolPage"), window.toolPage);
        written.endGroup();
        written.setValue(QStringLiteral("recent/files"), recent.mid(0, kRecentFiles));
        if (more)
            more(written);
    });
}

} // namespace lastChain
