#include "aboutboxmodel.h"

#include "identity.h"

std::string AboutBoxModel::ProductLine(const ProductIdentity& identity) {
    return std::string(identity.szProductName) + " v" + identity.szVersion;
}
