// Where the minimised main dialog draws its icon: centred in the client area,
// in signed arithmetic with the division truncating toward zero, so that a
// client area smaller than the icon gives a negative origin.
#ifndef SONIVEL_APP_ICONORIGIN_H
#define SONIVEL_APP_ICONORIGIN_H

struct IconOrigin {
    int x;
    int y;
    bool operator==(const IconOrigin&) const = default;
};

constexpr IconOrigin CenteredIconOrigin(int clientWidth, int clientHeight, int iconWidth, int iconHeight)
{
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}

#endif
