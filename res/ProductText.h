/* The product's texts, each defined once: its name and version, the copyright,
   the web addresses, the contact e-mail and the two notices. The resource script
   uses them in the About box and the version block, the program in the link
   buttons and the help notice. UTF-8: the resource script turns the texts into
   16-bit Unicode, the help notice's source into Windows-1251. */
#ifndef SONIVEL_PRODUCTTEXT_H
#define SONIVEL_PRODUCTTEXT_H

#define SONIVEL_PRODUCT     "Sonivel 2006.06"
#define SONIVEL_COPYRIGHT   "Copyright (C) 2006 The Sonivel author"

#define SONIVEL_SITE_HOST   "www.sonivel.example"
#define SONIVEL_SITE_URL    "http://" SONIVEL_SITE_HOST       /* the publisher's home page */
#define SONIVEL_MUSIC_URL   "http://sv.example"      /* the author's page of music programs */
#define SONIVEL_EMAIL       "me@sv.example"

#define SONIVEL_NOTICE_EN                                                                   \
    "ENG: User may send money to author of this program (to thank him). Send letter to "   \
    SONIVEL_EMAIL " to get more information."

#define SONIVEL_NOTICE_RU                                                                   \
    "RUS: Автор будет весьма признателен за денежное вознаграждение в случае, если эта "   \
    "программа оказалась полезной для пользователя. По любым вопросам можно писать автору " \
    "на email " SONIVEL_EMAIL

#endif
