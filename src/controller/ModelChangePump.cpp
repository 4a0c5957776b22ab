#include "ModelChangePump.h"

#include "model/RK2Class.h"

namespace zr9
{

ModelChangePump::ModelChangePump (RK2Class& m) : model (m)
{
    for (auto* n : model.notifiers())
        n->setDeliveryRequest ([this] { triggerAsyncUpdate(); });
}

ModelChangePump::~ModelChangePump()
{
    for (auto* n : model.notifiers())
        n->setDeliveryRequest (nullptr);
    cancelPendingUpdate();
}

void ModelChangePump::handleAsyncUpdate()
{
    for (auto* n : model.notifiers())
        n->deliverPendingChanges();
}

} // namespace zr9
