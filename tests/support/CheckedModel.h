#pragma once
// Qt's model checker watching a model a test drives: a broken model contract
// (a bad parent, a row count that disagrees with the signals) stops the test
// program on the spot, naming what was wrong.

#include <QAbstractItemModelTester>

#include <memory>

inline std::unique_ptr<QAbstractItemModelTester> CheckModel(QAbstractItemModel& model)
{
    return std::make_unique<QAbstractItemModelTester>(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
}
