<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>HostWindow</name>
    <message>
        <source>第 %1 / %2 手</source>
        <translation>%1 / %2수</translation>
    </message>
    <message>
        <source>（白弃手）</source>
        <translation> (백 패스)</translation>
    </message>
    <message>
        <source>（黑弃手）</source>
        <translation> (흑 패스)</translation>
    </message>
    <message>
        <source>，黑方走</source>
        <translation>, 흑 차례</translation>
    </message>
    <message>
        <source>，白方走</source>
        <translation>, 백 차례</translation>
    </message>
    <message>
        <source>回到开局</source>
        <translation>처음으로</translation>
    </message>
    <message>
        <source>后退五手</source>
        <translation>5수 뒤로</translation>
    </message>
    <message>
        <source>后退一手</source>
        <translation>1수 뒤로</translation>
    </message>
    <message>
        <source>前进一手</source>
        <translation>1수 앞으로</translation>
    </message>
    <message>
        <source>前进五手</source>
        <translation>5수 앞으로</translation>
    </message>
    <message>
        <source>到终局</source>
        <translation>마지막으로</translation>
    </message>
    <message>
        <source>棋盘上的滚轮</source>
        <translation>바둑판 위에서 휠</translation>
    </message>
    <message>
        <source>向上后退一手，向下前进一手</source>
        <translation>위로 1수 뒤로, 아래로 1수 앞으로</translation>
    </message>
    <message>
        <source>单击棋盘</source>
        <translation>바둑판 클릭</translation>
    </message>
    <message>
        <source>前进一手；试下时落子</source>
        <translation>1수 앞으로; 시험 두기 중에는 착수</translation>
    </message>
    <message>
        <source>右击棋盘</source>
        <translation>바둑판 오른쪽 클릭</translation>
    </message>
    <message>
        <source>单击棋盘上的小写字母</source>
        <translation>바둑판 위 소문자 클릭</translation>
    </message>
    <message>
        <source>打开从该点开始的变化图（与解说中的参考图链接相同）</source>
        <translation>그 점에서 시작하는 변화도를 엽니다 (해설의 참고도 링크와 같음)</translation>
    </message>
    <message>
        <source>开始或结束试下</source>
        <translation>시험 두기 시작 또는 끝</translation>
    </message>
    <message>
        <source>显示或隐藏手数</source>
        <translation>수 번호 표시 또는 숨기기</translation>
    </message>
    <message>
        <source>开始或停止自动播放</source>
        <translation>자동 재생 시작 또는 정지</translation>
    </message>
    <message>
        <source>在跳至框中按回车</source>
        <translation>이동 칸에서 Enter</translation>
    </message>
    <message>
        <source>跳至输入的手数</source>
        <translation>입력한 수로 이동</translation>
    </message>
    <message>
        <source>关闭参考图窗口</source>
        <translation>참고도 창 닫기</translation>
    </message>
    <message>
        <source>打开棋谱</source>
        <translation>기보 열기</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>本说明</source>
        <translation>이 도움말</translation>
    </message>
    <message>
        <source>箭头按钮</source>
        <translation>화살표 버튼</translation>
    </message>
    <message>
        <source>从左到右：回到开局、后退五手、后退一手、前进一手、前进五手、到终局</source>
        <translation>왼쪽부터: 처음, 5수 뒤, 1수 뒤, 1수 앞, 5수 앞, 마지막</translation>
    </message>
    <message>
        <source>试下</source>
        <translation>시험 두기</translation>
    </message>
    <message>
        <source>在棋盘上摆自己的着法；结束试下后回到棋谱，棋谱不变</source>
        <translation>바둑판에 직접 수를 두어 봅니다. 시험 끝을 누르면 기보로 돌아가며 기보는 바뀌지 않습니다</translation>
    </message>
    <message>
        <source>显示手数</source>
        <translation>수 번호</translation>
    </message>
    <message>
        <source>在每个棋子上显示手数</source>
        <translation>모든 돌에 수 번호를 표시합니다 (번호 숨김으로 숨깁니다)</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>每隔旁边所设的秒数（1–100）前进一手；停止即结束</source>
        <translation>옆에 정한 초(1–100)마다 1수씩 진행합니다. 정지로 끝냅니다</translation>
    </message>
    <message>
        <source>跳至</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>跳至旁边框中输入的手数</source>
        <translation>옆 칸에 입력한 수로 이동합니다</translation>
    </message>
    <message>
        <source>打开棋谱打印对话框</source>
        <translation>기보 인쇄 대화상자를 엽니다</translation>
    </message>
    <message>
        <source>参考图链接</source>
        <translation>참고도 링크</translation>
    </message>
    <message>
        <source>解说中的“参考图 M-K”打开第 M 手的第 K 个参考图</source>
        <translation>해설의 “참고도 M-K”는 M수의 K번째 참고도를 엽니다</translation>
    </message>
</context>
<context>
    <name>InterfaceText</name>
    <message>
        <source>日期 : </source>
        <translation>날짜 : </translation>
    </message>
    <message>
        <source>地点 : </source>
        <translation>장소 : </translation>
    </message>
    <message>
        <source>用时 : </source>
        <translation>제한시간 : </translation>
    </message>
    <message>
        <source>读秒 : </source>
        <translation>초읽기 : </translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>%1次</source>
        <translation>%1회</translation>
    </message>
    <message>
        <source>贴目 : </source>
        <translation>덤 : </translation>
    </message>
    <message>
        <source>方式 : </source>
        <translation>치석 : </translation>
    </message>
    <message>
        <source>结果 : </source>
        <translation>결과 : </translation>
    </message>
    <message>
        <source>黑弃手</source>
        <translation>흑 패스</translation>
    </message>
    <message>
        <source>白弃手</source>
        <translation>백 패스</translation>
    </message>
    <message>
        <source>参考图 %1-%2</source>
        <translation>참고도 %1-%2</translation>
    </message>
    <message>
        <source>请输入数字</source>
        <translation>숫자를 입력하세요</translation>
    </message>
    <message>
        <source>请输入1以上的数字</source>
        <translation>1 이상의 숫자를 입력하세요</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1시간</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>无限制</source>
        <translation>무제한</translation>
    </message>
    <message>
        <source>%1子让子棋</source>
        <translation>%1점 접바둑</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>zh</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>ko</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>棋谱打印</source>
        <translation>기보 인쇄</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>正在打印第 %1 页，共 %2 页</source>
        <translation>%2쪽 중 %1쪽 인쇄 중</translation>
    </message>
    <message>
        <source>未找到打印机：请把打印内容保存为 PDF 文件</source>
        <translation>프린터가 없습니다: 인쇄물을 PDF 파일로 저장하세요</translation>
    </message>
    <message>
        <source>没有打印任何内容：棋谱中没有可打印的着手。</source>
        <translation>아무것도 인쇄하지 않았습니다: 기보에 인쇄할 수가 없습니다.</translation>
    </message>
    <message>
        <source>打印已取消，没有写入文件。</source>
        <translation>인쇄를 취소했습니다. 파일은 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>打印已取消，没有打印任何内容。</source>
        <translation>인쇄를 취소했습니다. 아무것도 인쇄하지 않았습니다.</translation>
    </message>
    <message>
        <source>打印在第 %1 页（共 %2 页）后取消；这些页已送到打印机。</source>
        <translation>%2쪽 중 %1쪽을 인쇄한 뒤 취소했습니다. 그 쪽들은 이미 프린터로 보냈습니다.</translation>
    </message>
    <message>
        <source>有 %1 手下在已有棋子的点上，未能列在其图下：每图的注记最多 %2 项、%3 个字母，且只用图下页面容得下的行。减少每图的手数或缩小格子，即可全部列出。</source>
        <translation>이미 돌이 있는 점에 둔 수 %1개를 그림 아래에 적지 못했습니다. 그림 하나의 주석에는 %2항목과 글자 %3개까지, 그림 아래 쪽에 들어가는 줄에만 적습니다. 그림당 수를 줄이거나 칸을 작게 하면 모두 적을 수 있습니다.</translation>
    </message>
    <message>
        <source>打印失败：%1</source>
        <translation>인쇄 실패: %1</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>共 %1 手</source>
        <translation>모두 %1수</translation>
    </message>
</context>
<context>
    <name>ReferenceWindow</name>
    <message>
        <source>参考图</source>
        <translation>참고도</translation>
    </message>
    <message>
        <source>研讨</source>
        <translation>검토</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>弃手</source>
        <translation>패스</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>글자</translation>
    </message>
    <message>
        <source>手 参考图</source>
        <translation>참고도</translation>
    </message>
    <message>
        <source>%1手 参考图</source>
        <translation>%1수 참고도</translation>
    </message>
</context>
<context>
    <name>TViewerWindow</name>
    <message>
        <source>打开棋谱</source>
        <translation>기보 열기</translation>
    </message>
    <message>
        <source>棋谱</source>
        <translation>기보</translation>
    </message>
    <message>
        <source>标准 SGF</source>
        <translation>표준 SGF</translation>
    </message>
    <message>
        <source>NGF 棋谱</source>
        <translation>NGF 기보</translation>
    </message>
    <message>
        <source>标签格式文本</source>
        <translation>태그 형식 텍스트</translation>
    </message>
    <message>
        <source>所有文件</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>열기(&amp;O)…</translation>
    </message>
    <message>
        <source>最近打开(&amp;R)</source>
        <translation>최근 기보(&amp;R)</translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>종료(&amp;Q)</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>坐标(&amp;C)</source>
        <translation>좌표(&amp;C)</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>按键和鼠标(&amp;K)</source>
        <translation>키와 마우스(&amp;K)</translation>
    </message>
    <message>
        <source>原设计：A–S，1 在上(&amp;D)</source>
        <translation>원래 설계(&amp;D): A–S, 1이 위</translation>
    </message>
    <message>
        <source>标准：A–T（无 I），1 在下(&amp;S)</source>
        <translation>표준(&amp;S): A–T (I 없음), 1이 아래</translation>
    </message>
    <message>
        <source>无(&amp;N)</source>
        <translation>없음(&amp;N)</translation>
    </message>
    <message>
        <source>原设计</source>
        <translation>원래 설계</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>표준</translation>
    </message>
    <message>
        <source>无</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>按棋谱格式（当前：%1）(&amp;F)</source>
        <translation>기보 형식에 따름(&amp;F) (지금: %1)</translation>
    </message>
    <message>
        <source>无法保存设置：%1</source>
        <translation>설정을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>%1 中没有棋谱；显示的对局不变</source>
        <translation>%1에는 기보가 없습니다. 표시 중인 대국은 그대로입니다</translation>
    </message>
    <message>
        <source>（找不到）</source>
        <translation> (찾을 수 없음)</translation>
    </message>
    <message>
        <source>没有最近打开的棋谱</source>
        <translation>최근 기보 없음</translation>
    </message>
    <message>
        <source>清除列表(&amp;C)</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>按键和鼠标</source>
        <translation>키와 마우스</translation>
    </message>
</context>
<context>
    <name>TXVexoView</name>
    <message>
        <source>试下</source>
        <translation>시험 두기</translation>
    </message>
    <message>
        <source>结束试下</source>
        <translation>시험 끝</translation>
    </message>
    <message>
        <source>显示手数</source>
        <translation>수 번호</translation>
    </message>
    <message>
        <source>隐藏手数</source>
        <translation>번호 숨김</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>정지</translation>
    </message>
    <message>
        <source>跳至</source>
        <translation>이동</translation>
    </message>
</context>
<context>
    <name>xvexo::TCHelpForm</name>
    <message>
        <source>后退五手 (Page Up)</source>
        <translation>5수 뒤로 (Page Up)</translation>
    </message>
    <message>
        <source>后退一手 (Left)</source>
        <translation>1수 뒤로 (Left)</translation>
    </message>
    <message>
        <source>前进一手 (Right)</source>
        <translation>1수 앞으로 (Right)</translation>
    </message>
    <message>
        <source>前进五手 (Page Down)</source>
        <translation>5수 앞으로 (Page Down)</translation>
    </message>
    <message>
        <source>研讨：在图上摆自己的着法，结束后恢复原图</source>
        <translation>검토: 그림에 직접 수를 두어 봅니다. 끝을 누르면 원래 그림으로 돌아갑니다</translation>
    </message>
    <message>
        <source>研讨中弃一手</source>
        <translation>검토 중 한 수 패스</translation>
    </message>
    <message>
        <source>勾选后点击棋盘放置字母</source>
        <translation>체크하면 바둑판을 클릭해 글자를 놓습니다</translation>
    </message>
    <message>
        <source>下一个字母</source>
        <translation>다음 글자</translation>
    </message>
</context>
<context>
    <name>xvexo::TOwnkForm</name>
    <message>
        <source>棋谱打印</source>
        <translation>기보 인쇄</translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>프린터</translation>
    </message>
    <message>
        <source>全高</source>
        <translation>높이</translation>
    </message>
    <message>
        <source>全宽</source>
        <translation>너비</translation>
    </message>
    <message>
        <source>上余空</source>
        <translation>위 여백</translation>
    </message>
    <message>
        <source>左余空</source>
        <translation>좌 여백</translation>
    </message>
    <message>
        <source>分别手数</source>
        <translation>칸 크기</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>인쇄 내용</translation>
    </message>
    <message>
        <source>打印总谱</source>
        <translation>전체 기보</translation>
    </message>
    <message>
        <source>打印部分谱</source>
        <translation>일부 수</translation>
    </message>
    <message>
        <source>棋谱分每</source>
        <translation>매</translation>
    </message>
    <message>
        <source>步打印</source>
        <comment>after the moves a diagram</comment>
        <translation>수씩</translation>
    </message>
    <message>
        <source>每页分</source>
        <translation>쪽당</translation>
    </message>
    <message>
        <source>步打印</source>
        <comment>after the diagrams a page</comment>
        <translation>그림</translation>
    </message>
    <message>
        <source>打 印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>xvexo::TXVexoView</name>
    <message>
        <source>解说</source>
        <translation>해설</translation>
    </message>
    <message>
        <source>试下：在棋盘上摆自己的着法，结束后棋谱不变</source>
        <translation>시험 두기: 바둑판에 직접 수를 두어 봅니다. 기보는 바뀌지 않습니다</translation>
    </message>
    <message>
        <source>结束试下，回到棋谱</source>
        <translation>시험 두기를 끝내고 기보로 돌아갑니다</translation>
    </message>
    <message>
        <source>显示手数：在每个棋子上显示手数</source>
        <translation>수 번호: 모든 돌에 수 번호를 표시합니다</translation>
    </message>
    <message>
        <source>隐藏手数</source>
        <translation>수 번호 숨기기</translation>
    </message>
    <message>
        <source>自动：每隔右边的秒数自动下一手</source>
        <translation>자동: 오른쪽에 정한 초마다 1수씩 진행합니다</translation>
    </message>
    <message>
        <source>停止自动播放</source>
        <translation>자동 재생 정지</translation>
    </message>
    <message>
        <source>打印棋谱</source>
        <translation>기보 인쇄</translation>
    </message>
    <message>
        <source>跳至右边输入的手数</source>
        <translation>오른쪽에 입력한 수로 이동</translation>
    </message>
    <message>
        <source>要跳至的手数（回车跳至）</source>
        <translation>이동할 수 (Enter로 이동)</translation>
    </message>
    <message>
        <source>自动播放每手的秒数</source>
        <translation>자동 재생 때 한 수당 초</translation>
    </message>
    <message>
        <source>回到开局</source>
        <translation>처음으로</translation>
    </message>
    <message>
        <source>后退五手</source>
        <translation>5수 뒤로</translation>
    </message>
    <message>
        <source>后退一手</source>
        <translation>1수 뒤로</translation>
    </message>
    <message>
        <source>前进一手</source>
        <translation>1수 앞으로</translation>
    </message>
    <message>
        <source>前进五手</source>
        <translation>5수 앞으로</translation>
    </message>
    <message>
        <source>到终局</source>
        <translation>마지막으로</translation>
    </message>
</context>
</TS>
