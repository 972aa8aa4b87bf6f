#include "identity.h"

#include "database.h"

#include <string>

ProductIdentity theProductIdentity;

void ApplyDatabaseVersion(ProductIdentity& identity, const RefrigerantDatabase& db) {
    const std::string text = DbVersionText(db);
    if (!text.empty())
        CopyText(identity.szDbVersion, text.c_str());
}
