#include "SecretStore.h"

#include "KeychainSecretStore.h"

namespace {

SecretStore* g_current = nullptr;

} // namespace

SecretStore::~SecretStore() = default;

void SetSecretStore(SecretStore* store)
{
    g_current = store;
}

SecretStore& CurrentSecretStore()
{
    static KeychainSecretStore keyring;
    return g_current ? *g_current : keyring;
}
