#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "art.h"

namespace xvexo::art {

namespace {

using TKey = std::array<int, 3>;

struct TBox {
    std::vector<std::pair<TKey, int>> Colours;  // colour and pixel count
    int Range(int& Channel) const {
        int Best = -1;
        for (int C = 0; C < 3; ++C) {
            int Lo = 255, Hi = 0;
            for (const auto& [K, N] : Colours) {
                Lo = std::min(Lo, K[C]);
                Hi = std::max(Hi, K[C]);
            }
            if (Hi - Lo > Best) {
                Best = Hi - Lo;
                Channel = C;
            }
        }
        return Best;
    }
};

TKey ToKey(const TRgbF& P) {
    auto Q = [](float V) { return std::clamp(static_cast<int>(std::lround(V)), 0, 255); };
    return {Q(P.R), Q(P.G), Q(P.B)};
}

}  // namespace

QImage QuantizeToIndexed8(int Width, int Height, const std::vector<TRgbF>& Pixels) {
    std::map<TKey, int> Histogram;
    for (const auto& P : Pixels) {
        const TKey K = ToKey(P);
        if (K != TKey{0, 0, 0}) ++Histogram[K];
    }
    std::vector<TBox> Boxes(1);
    for (const auto& E : Histogram)
        Boxes[0].Colours.push_back(E);
    if (Boxes[0].Colours.empty()) Boxes.clear();

    // Split the box with the widest channel at its pixel median until 255 boxes exist.
    while (Boxes.size() < 255) {
        int BestBox = -1, BestRange = 0, BestChannel = 0;
        for (size_t I = 0; I < Boxes.size(); ++I) {
            int Channel = 0;
            const int R = Boxes[I].Range(Channel);
            if (Boxes[I].Colours.size() > 1 && R > BestRange) {
                BestRange = R;
                BestBox = static_cast<int>(I);
                BestChannel = Channel;
            }
        }
        if (BestBox < 0) break;
        auto& Cs = Boxes[static_cast<size_t>(BestBox)].Colours;
        std::sort(Cs.begin(), Cs.end(), [&](const auto& A, const auto& B) {
            return A.first[BestChannel] < B.first[BestChannel];
        });
        long Total = 0;
        for (const auto& C : Cs)
            Total += C.second;
        long Acc = 0;
        size_t Cut = 1;
        for (size_t I = 0; I + 1 < Cs.size(); ++I) {
            Acc += Cs[I].second;
            Cut = I + 1;
            if (Acc * 2 >= Total) break;
        }
        TBox Upper;
        Upper.Colours.assign(Cs.begin() + static_cast<long>(Cut), Cs.end());
        Cs.resize(Cut);
        Boxes.push_back(std::move(Upper));
    }

    QList<QRgb> Table{qRgb(0, 0, 0)};
    for (const auto& B : Boxes) {
        double R = 0, G = 0, Bl = 0, N = 0;
        for (const auto& [K, C] : B.Colours) {
            R += K[0] * C;
            G += K[1] * C;
            Bl += K[2] * C;
            N += C;
        }
        int IR = static_cast<int>(std::lround(R / N));
        int IG = static_cast<int>(std::lround(G / N));
        int IB = static_cast<int>(std::lround(Bl / N));
        if (IR == 0 && IG == 0 && IB == 0) IB = 1;  // only index 0 is pure black
        Table.push_back(qRgb(IR, IG, IB));
    }

    QImage Out(Width, Height, QImage::Format_Indexed8);
    Out.setColorTable(Table);
    std::map<TKey, int> Nearest;
    for (int Y = 0; Y < Height; ++Y) {
        uchar* Line = Out.scanLine(Y);
        for (int X = 0; X < Width; ++X) {
            const TKey K = ToKey(Pixels[static_cast<size_t>(Y * Width + X)]);
            if (K == TKey{0, 0, 0}) {
                Line[X] = 0;
                continue;
            }
            auto It = Nearest.find(K);
            if (It == Nearest.end()) {
                int Best = 1;
                long BestD = -1;
                for (int I = 1; I < Table.size(); ++I) {
                    const long DR = qRed(Table[I]) - K[0];
                    const long DG = qGreen(Table[I]) - K[1];
                    const long DB = qBlue(Table[I]) - K[2];
                    const long D = DR * DR * 3 + DG * DG * 4 + DB * DB * 2;
                    if (BestD < 0 || D < BestD) {
                        BestD = D;
                        Best = I;
                    }
                }
                It = Nearest.emplace(K, Best).first;
            }
            Line[X] = static_cast<uchar>(It->second);
        }
    }
    return Out;
}

}  // namespace xvexo::art
