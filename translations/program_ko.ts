<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>FontFamilies</name>
    <message>
        <source>no installed font has Korean letters, so they will show as boxes; install one, for example Debian&apos;s package fonts-nanum</source>
        <translation>설치된 글꼴 가운데 한글이 들어 있는 것이 없어 한글이 네모 칸으로 보입니다. 데비안의 fonts-nanum 패키지 같은 한글 글꼴을 설치하세요</translation>
    </message>
</context>
<context>
    <name>StartupFailure</name>
    <message>
        <source>platform %1 (from QT_QPA_PLATFORM)</source>
        <translation>QT_QPA_PLATFORM에 지정된 플랫폼 %1</translation>
    </message>
    <message>
        <source>Wayland display %1</source>
        <translation>Wayland 디스플레이 %1</translation>
    </message>
    <message>
        <source>X display %1</source>
        <translation>X 디스플레이 %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 또는 %2</translation>
    </message>
    <message>
        <source>for Wayland install Qt&apos;s plugin (Debian: qt6-wayland)</source>
        <translation>Wayland에서 열려면 Qt의 Wayland 플러그인(데비안 패키지: qt6-wayland)을 설치하세요</translation>
    </message>
    <message>
        <source>for Wayland install Qt&apos;s plugin (Debian: qt6-wayland), or set QT_QPA_PLATFORM=xcb</source>
        <translation>Wayland에서 열려면 Qt의 Wayland 플러그인(데비안 패키지: qt6-wayland)을 설치하세요. 아니면 QT_QPA_PLATFORM=xcb로 설정해 X에서 여세요</translation>
    </message>
    <message>
        <source>is that X server running, and may this user connect to it (XAUTHORITY)?</source>
        <translation>그 X 서버가 실행 중인지, 이 사용자가 접속할 수 있는지(XAUTHORITY) 확인하세요</translation>
    </message>
    <message>
        <source>the platforms at hand are: %1</source>
        <translation>쓸 수 있는 플랫폼: %1</translation>
    </message>
    <message>
        <source>cannot open a display (is DISPLAY set?); start it from a desktop session, or without one as: xvfb-run %1</source>
        <translation>디스플레이를 열 수 없습니다(DISPLAY 환경 변수가 설정되어 있나요?). 데스크톱 세션에서 실행하거나, 세션 없이는 xvfb-run %1 명령으로 실행하세요</translation>
    </message>
    <message>
        <source>cannot open a window on %1</source>
        <translation>%1에서 창을 열 수 없습니다</translation>
    </message>
    <message>
        <source>Qt says: %1</source>
        <translation>Qt 메시지: %1</translation>
    </message>
    <message>
        <source>are that Wayland compositor and that X server running, and may this user connect to them (XDG_RUNTIME_DIR, XAUTHORITY)?</source>
        <translation>그 Wayland 컴포지터와 X 서버가 실행 중인지, 이 사용자가 접속할 수 있는지(XDG_RUNTIME_DIR, XAUTHORITY) 확인하세요</translation>
    </message>
    <message>
        <source>is that Wayland compositor running, and may this user connect to it (XDG_RUNTIME_DIR)?</source>
        <translation>그 Wayland 컴포지터가 실행 중인지, 이 사용자가 접속할 수 있는지(XDG_RUNTIME_DIR) 확인하세요</translation>
    </message>
    <message>
        <source>too few file descriptors: at most %1 may be open at once (ulimit -n); raise that limit</source>
        <translation>파일 디스크립터가 부족합니다. 한 번에 %1개까지만 열 수 있습니다(ulimit -n). 이 제한을 늘리세요</translation>
    </message>
    <message>
        <source>too little memory: the address space is limited to %1 MB (ulimit -v); raise that limit</source>
        <translation>메모리가 부족합니다. 주소 공간이 %1MB로 제한되어 있습니다(ulimit -v). 이 제한을 늘리세요</translation>
    </message>
    <message>
        <source>too little memory, or too many processes for this user (ulimit -u)</source>
        <translation>메모리가 부족하거나, 이 사용자가 실행한 프로세스가 너무 많습니다(ulimit -u)</translation>
    </message>
    <message>
        <source>%1=%2 is not a usable scale (a positive number that keeps the window on its screen); going on at the usual scale</source>
        <translation>%1=%2은(는) 쓸 수 있는 배율이 아닙니다(창이 화면 안에 들어오는 양수여야 합니다). 기본 배율로 계속합니다</translation>
    </message>
    <message>
        <source>XAUTHORITY names %1, which is not a file; set it to the X authority file, or unset it</source>
        <translation>XAUTHORITY가 가리키는 %1은(는) 파일이 아닙니다. X 인증 파일을 가리키도록 설정하거나 설정을 지우세요</translation>
    </message>
    <message>
        <source>cannot open a window on %1: it has no screen</source>
        <translation>%1에서 창을 열 수 없습니다: 화면이 없습니다</translation>
    </message>
    <message>
        <source>cannot paint on a screen of %1 bits a pixel; it needs at least 16</source>
        <translation>픽셀당 %1비트인 화면에는 그릴 수 없습니다. 16비트 이상이어야 합니다</translation>
    </message>
</context>
<context>
    <name>StrToInt</name>
    <message>
        <source>&apos;&apos; is not a valid integer</source>
        <translation>빈 값은 올바른 정수가 아닙니다</translation>
    </message>
    <message>
        <source>%1 is not a valid integer</source>
        <translation>%1은(는) 올바른 정수가 아닙니다</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Choice %1: %2.</source>
        <extracomment>Read out by a screen reader after the question: %1 is the choice&apos;s number, %2 its text.</extracomment>
        <translation>%1번 %2.</translation>
    </message>
</context>
</TS>
