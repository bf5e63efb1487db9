#include "QuestionBank.h"

// Texts are used exactly as written: spacing inside choices is part of the text.

const std::array<std::string, QuestionCount> Questions = {{
    "1.후고구려는 누가 세웠나요?",    // 0: who founded Later Goguryeo
    "2.고려의 첫 국왕은 누구였나요?", // 1: who was Goryeo's first king
    "3.왕건이 전투 중 위기에 처했을 때, 누가 왕건으로 변장하였나요?", // 2: who disguised himself as
                                                                      // Wang Geon in battle
    "4.태조의 부인은 몇 명인가요?",           // 3: how many wives King Taejo had
    "5.견훤은 어떻게 금산사를 탈출하였나요?", // 4: how Gyeon Hwon escaped from Geumsan temple
    "6.삼국을 통일한 건 무슨 나라였나요?",    // 5: which kingdom unified the Three Kingdoms
    "7.후삼국을 통일한 건 무슨 나라였나요?",  // 6: which kingdom unified the Later Three Kingdoms
    "8.태조는 무슨 종교를 고려에 전파시켰나요?",   // 7: which religion Taejo spread in Goryeo
    "9.고구려의 도읍은 어디였나요?",               // 8: where Goguryeo's capital was
    "10.태조의 10가지 교훈 이름은 무엇인가요?",    // 9: the name of Taejo's ten injunctions
    "11.태조는 몇 세때 죽었나요?",                 // 10: at what age Taejo died
    "12.혜종은 왜 죽었나요?",                      // 11: why King Hyejong died
    "13.혜종은 몇 년동안 왕의 자리에 있었나요?",   // 12: how many years Hyejong reigned
    "14.정종은 왕을 몇 년동안 했나요?",            // 13: how many years King Jeongjong reigned
    "15.정종은 혜종의 ㅇㅇㅇㅇ이다.",              // 14: what Jeongjong was to Hyejong
    "16.누가 과거 시험제를 건의하였나요?",         // 15: who proposed the civil-service examination
    "17.관리의 공복은 몇 년도에 제정하였나요?",    // 16: in which year officials' uniforms were
                                                   // instituted
    "18.983년 성종은 지방에 무엇을 설치하였나요?", // 17: what King Seongjong set up in the
                                                   // provinces in 983
    "19.성종은 무슨무슨 행사를 폐지하였나요?",     // 18: which festivals Seongjong abolished
    "20.고려는 무슨 나라와 적관계로 지냈나요?",    // 19: with which country Goryeo was on hostile
                                                   // terms
    "축하합니다!!",                                // 20: congratulations
}};

const std::array<std::array<std::string, ChoiceCount>, QuestionCount> Choices = {{
    {{"견훤", "궁예", "왕건", "금강"}},
    {{"왕건", "궁예", "태종", "정조"}},
    {{"신승겸", "신숭겸", "신송겸", "신상겸"}},
    {{"28", "29", "30", "31"}},
    {{"술", "무기", "막대기", "비밀통로"}},
    {{"고려", "신라", "후고구려", "발해"}},
    {{"후고구려", "고구려", "고려", "고구마"}},
    {{"불교", "천주교", "절교", "볼교"}},
    {{"서경", "개경", "강화도", "서울"}},
    {{"훈요 10조", "을사조약", "을사늑약", "을사낙약"}},
    {{"65", "66", "67", "68"}},
    {{"시름시름 앓음", "풍증", "암살", "자살"}},
    {{"1", "2", "3", "4"}},
    {{"1", "2", "3", "4"}},
    {{"이복동생", "누이동생", "형제지간", "사제지간"}},
    {{"쌍기", "풍기", "쌍고", "풍강"}},
    {{"947", "948", "949", "950"}},
    {{"10목", "우두목", "12목", "16목"}},
    {{"오관회, 연등회", "육관회, 팔관회", "팔관희,연등회", "십관회,연등회"}},
    {{"거란", "말갈", "백제", "가야"}},
    {{"축하", "합", "니", "다!"}},
}};

const std::array<int, QuestionCount> AnswerKeys = {3, 1, 2, 2, 1, 2, 3, 1, 1, 1, 3,
                                                   1, 3, 4, 1, 1, 4, 3, 3, 1, 1};
