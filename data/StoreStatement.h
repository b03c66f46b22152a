#pragma once
// One statement on a table store's connection, prepared with its values bound and run at once;
// its failure is kept with the store's message and the kind of fault.
#include "store/TableStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

namespace kazemaru {

struct Statement {
    QSqlQuery query;
    QString message;
    StoreFault fault = StoreFault::None;

    Statement(const TableStore& store, const QString& text, const QVariantList& values = {})
        : query(store.database())
    {
        query.setForwardOnly(true);
        bool ok = query.prepare(text);
        for (const QVariant& v : values)
            query.addBindValue(v);
        ok = ok && query.exec();
        if (!ok) {
            message = store.filePath() + QStringLiteral(": ") + query.lastError().text().trimmed();
            fault = TableStore::faultOf(query.lastError());
        }
    }
    explicit operator bool() const { return fault == StoreFault::None && message.isEmpty(); }
};

} // namespace kazemaru
