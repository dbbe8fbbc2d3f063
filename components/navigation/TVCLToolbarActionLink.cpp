#include "components/navigation/TVCLToolbarActionLink.h"

#include "components/navigation/TVCLTbButton.h"

TVCLToolbarActionLink::TVCLToolbarActionLink(TVCLTbButton* client)
    : TActionLink([client](TAction& action) { client->ActionChange(action); }), m_client(client) {}
