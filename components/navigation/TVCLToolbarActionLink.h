#pragma once
// Ties a toolbar button item to an action: the item takes the action's
// caption, image index and visibility at once and on every later change, and
// its speed button the action's enabled state and hint.

#include "platform/ui/TActionLink.h"

class TVCLTbButton;

class TVCLToolbarActionLink : public TActionLink {
    Q_OBJECT
public:
    explicit TVCLToolbarActionLink(TVCLTbButton* client);

    TVCLTbButton* Client() const { return m_client; }

private:
    TVCLTbButton* m_client;
};
