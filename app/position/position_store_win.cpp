// SPDX-License-Identifier: MIT
#include "app/position/position_store.h"

#include "app/position/store_backend.h"
#include "app/position/twips_text.h"
#include "desktop/settings.h"

#include <QSettings>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace position {

namespace {

const QString kSection = u"Form1_StrtUp"_s;
const QString kLeftKey = u"X1"_s;
const QString kTopKey = u"Y1"_s;

std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(positionStoreLocation(), QSettings::NativeFormat);
}

std::optional<float> edgeAt(const QSettings& store, const QString& key)
{
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return twipsFromText(value.toString());
}

// QSettings reports FormatError after replacing a damaged value, even though what it wrote is
// clean: read it again and compare.
bool holds(const QString& left, const QString& top)
{
    const std::unique_ptr<QSettings> store = openStore();
    store->beginGroup(kSection);
    return store->status() == QSettings::NoError && store->value(kLeftKey) == left &&
           store->value(kTopKey) == top;
}

std::optional<QString> writeRegistry(const QString& left, const QString& top)
{
    const std::unique_ptr<QSettings> store = openStore();
    store->beginGroup(kSection);
    store->setValue(kLeftKey, left);
    store->setValue(kTopKey, top);
    store->endGroup();
    store->sync();
    switch (store->status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::FormatError:
        if (holds(left, top))
            return std::nullopt;
        return u"the file did not keep the values written"_s;
    case QSettings::AccessError:
        break;
    }
    return u"access denied"_s;
}

} // namespace

QString positionStoreLocation()
{
    return u"HKEY_CURRENT_USER\\Software\\"_s + settings::organisation();
}

SavedPosition readSavedPosition()
{
    const std::unique_ptr<QSettings> store = openStore();
    if (store->status() != QSettings::NoError)
        return {};
    store->beginGroup(kSection);
    return {edgeAt(*store, kLeftKey), edgeAt(*store, kTopKey)};
}

std::optional<QString> backend::write(const QString& left, const QString& top)
{
    return writeRegistry(left, top);
}

} // namespace position
