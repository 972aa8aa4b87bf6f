#pragma once

#include "identity.h"

class CVersionResource;

// Fills `identity` from `version` as its last load left it. A loaded record gives the title and
// product name (at most 98 characters each; a missing entry leaves its text empty),
// "%d.%d %s" of the file version's major and minor numbers and the "SpecialBuild" entry (at most
// 48 characters), and the database version "0.0.x" until the database says otherwise. Without a
// record: " ", "Velnor", "0.0" and "0.0".
void FillProductIdentity(ProductIdentity& identity, const CVersionResource& version);

// The start-up sequence: loads the running program's own record and fills `identity` from it.
void LoadProductIdentity(ProductIdentity& identity);
