#pragma once
#include "platform/rig.h"

struct s_rig;

// The rig through Hamlib. Built on the user-interface thread at start-up
// (the model list is read then, once); used afterwards by one worker thread.
class HamlibRig final : public Rig {
public:
    HamlibRig();
    ~HamlibRig() override;
    HamlibRig(const HamlibRig&) = delete;
    HamlibRig& operator=(const HamlibRig&) = delete;

    QList<RigModel> models() const override { return modelList; }
    Result open(const RigConfig& config) override;
    void close() override;
    RigReading read() override;
    Result tune(double hz) override;

private:
    QList<RigModel> modelList;
    s_rig* rig = nullptr;
};

// Hamlib's error code in French words, for the operator.
QString hamlibErrorText(int code);
