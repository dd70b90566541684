#include "qtVOICEReceivedInfo.h"

#include "ObjectType.h"

qtVOICEReceivedInfo::qtVOICEReceivedInfo(int id, int status)
    : BaseForView(ObjectType::VoiceReceived, id, 0, status, QString())
{
}

qtVOICEReceivedInfo *qtVOICEReceivedInfo::clone() const
{
    return new qtVOICEReceivedInfo(*this);
}
