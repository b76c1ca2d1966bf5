#include "board/BoardRandom.h"

void BoardRandom::Randomize()
{
    m_engine.seed(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()) ^
                  static_cast<quint64>(std::random_device{}()));
}

int BoardRandom::Next(int bound)
{
    if (bound <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, bound - 1)(m_engine);
}
