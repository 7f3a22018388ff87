#pragma once
// The progress bar's own members: the value it shows between Min and Max, and which way it fills.

#include <quorvane/member_object.h>

class QProgressBar;

namespace qv::mscomctl
{

class ProgressBarMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue STORED true)
    Q_PROPERTY(int Min READ min WRITE setMin STORED true)
    Q_PROPERTY(int Max READ max WRITE setMax STORED true)
    Q_PROPERTY(OrientationConstants Orientation READ orientation WRITE setOrientation STORED false)
public:
    enum OrientationConstants { ccOrientationHorizontal = 0, ccOrientationVertical = 1 };
    Q_ENUM(OrientationConstants)

    explicit ProgressBarMembers(QProgressBar &bar);

    int value() const;
    void setValue(int value);
    int min() const;
    void setMin(int min);
    int max() const;
    void setMax(int max);
    OrientationConstants orientation() const;
    void setOrientation(OrientationConstants orientation);

private:
    bool refusedRange(int min, int max);

    QProgressBar &bar_;
};

} // namespace qv::mscomctl
