// The tone player: loops the chosen note's tone asset while the tone is on.
// The platform's sound player plays the "WAVE" resource asynchronously from
// the program's own module; a new start replaces whatever sounds.
#include "ToneDlg.h"

#include <mmsystem.h>

#include <string_view>

#include "NoteTable.h"
#include "WinApp.h"

std::optional<UINT> CToneDlg::FindToneId(const CString& name)
{
    const auto index = tones::findNote(std::string_view(name));
    if (!index)
        return std::nullopt;
    return static_cast<UINT>(tones::assetId(*index));
}

void CToneDlg::StopTone()
{
    ::PlaySoundA(nullptr, nullptr, SND_ASYNC);
}

void CToneDlg::StartTone()
{
    StopTone();
    if (const auto id = FindToneId(m_strNote))
        ::PlaySoundA(MAKEINTRESOURCEA(*id), AfxGetResourceHandle(), SND_RESOURCE | SND_LOOP | SND_ASYNC);
}

void CToneDlg::OnSelchangeNote()
{
    UpdateData(TRUE);
    if (!m_bPlaying)
        StopTone();
    else
        StartTone();
}

void CToneDlg::OnOnOff()
{
    // No refresh here: the name is the one the last refresh (or the dialog's
    // initialisation) left.
    if (m_bPlaying) {
        StopTone();
        m_bPlaying = false;
    } else {
        m_bPlaying = true;
        StartTone();
    }
}
