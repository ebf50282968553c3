<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>HostWindow</name>
    <message>
        <source>第 %1 / %2 手</source>
        <translation>move %1 / %2</translation>
    </message>
    <message>
        <source>（白弃手）</source>
        <translation> (White passed)</translation>
    </message>
    <message>
        <source>（黑弃手）</source>
        <translation> (Black passed)</translation>
    </message>
    <message>
        <source>，黑方走</source>
        <translation>, Black to play</translation>
    </message>
    <message>
        <source>，白方走</source>
        <translation>, White to play</translation>
    </message>
    <message>
        <source>回到开局</source>
        <translation>the start of the game</translation>
    </message>
    <message>
        <source>后退五手</source>
        <translation>five moves back</translation>
    </message>
    <message>
        <source>后退一手</source>
        <translation>one move back</translation>
    </message>
    <message>
        <source>前进一手</source>
        <translation>one move forward</translation>
    </message>
    <message>
        <source>前进五手</source>
        <translation>five moves forward</translation>
    </message>
    <message>
        <source>到终局</source>
        <translation>the end of the game</translation>
    </message>
    <message>
        <source>棋盘上的滚轮</source>
        <translation>Wheel on the board</translation>
    </message>
    <message>
        <source>向上后退一手，向下前进一手</source>
        <translation>one move back (up) or forward (down)</translation>
    </message>
    <message>
        <source>单击棋盘</source>
        <translation>Click on the board</translation>
    </message>
    <message>
        <source>前进一手；试下时落子</source>
        <translation>one move forward; in trial play a stone</translation>
    </message>
    <message>
        <source>右击棋盘</source>
        <translation>Right click on the board</translation>
    </message>
    <message>
        <source>单击棋盘上的小写字母</source>
        <translation>Click on a small letter on the board</translation>
    </message>
    <message>
        <source>打开从该点开始的变化图（与解说中的参考图链接相同）</source>
        <translation>open the line of play that starts there (as its diagram link in the commentary does)</translation>
    </message>
    <message>
        <source>开始或结束试下</source>
        <translation>start or end trial play</translation>
    </message>
    <message>
        <source>显示或隐藏手数</source>
        <translation>show or hide the move numbers</translation>
    </message>
    <message>
        <source>开始或停止自动播放</source>
        <translation>start or stop automatic play</translation>
    </message>
    <message>
        <source>在跳至框中按回车</source>
        <translation>Enter in the Go to box</translation>
    </message>
    <message>
        <source>跳至输入的手数</source>
        <translation>go to the move typed</translation>
    </message>
    <message>
        <source>关闭参考图窗口</source>
        <translation>close the reference window</translation>
    </message>
    <message>
        <source>打开棋谱</source>
        <translation>open a record</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>quit</translation>
    </message>
    <message>
        <source>本说明</source>
        <translation>this list</translation>
    </message>
    <message>
        <source>箭头按钮</source>
        <translation>Arrow buttons</translation>
    </message>
    <message>
        <source>从左到右：回到开局、后退五手、后退一手、前进一手、前进五手、到终局</source>
        <translation>left to right: to the start, five back, one back, one forward, five forward, to the end</translation>
    </message>
    <message>
        <source>试下</source>
        <translation>Try moves</translation>
    </message>
    <message>
        <source>在棋盘上摆自己的着法；结束试下后回到棋谱，棋谱不变</source>
        <translation>play moves of your own on the board; End trial returns to the record, unchanged</translation>
    </message>
    <message>
        <source>显示手数</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>在每个棋子上显示手数</source>
        <translation>show the move number on every stone (No numbers hides them)</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>每隔旁边所设的秒数（1–100）前进一手；停止即结束</source>
        <translation>one move forward every so many seconds (1–100, set beside it); Stop ends it</translation>
    </message>
    <message>
        <source>跳至</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>跳至旁边框中输入的手数</source>
        <translation>go to the move typed in the box beside it</translation>
    </message>
    <message>
        <source>打开棋谱打印对话框</source>
        <translation>open the print dialog</translation>
    </message>
    <message>
        <source>参考图链接</source>
        <translation>Diagram links</translation>
    </message>
    <message>
        <source>解说中的“参考图 M-K”打开第 M 手的第 K 个参考图</source>
        <translation>“Diagram M-K” in the commentary opens the K-th diagram of move M</translation>
    </message>
</context>
<context>
    <name>InterfaceText</name>
    <message>
        <source>日期 : </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>地点 : </source>
        <translation>Place: </translation>
    </message>
    <message>
        <source>用时 : </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>读秒 : </source>
        <translation>Byo-yomi: </translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1次</source>
        <translation>%1 periods</translation>
    </message>
    <message>
        <source>贴目 : </source>
        <translation>Komi: </translation>
    </message>
    <message>
        <source>方式 : </source>
        <translation>Handicap: </translation>
    </message>
    <message>
        <source>结果 : </source>
        <translation>Result: </translation>
    </message>
    <message>
        <source>黑弃手</source>
        <translation>Black passed</translation>
    </message>
    <message>
        <source>白弃手</source>
        <translation>White passed</translation>
    </message>
    <message>
        <source>参考图 %1-%2</source>
        <translation>Diagram %1-%2</translation>
    </message>
    <message>
        <source>请输入数字</source>
        <translation>Please enter a number</translation>
    </message>
    <message>
        <source>请输入1以上的数字</source>
        <translation>Please enter a number of 1 or more</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>无限制</source>
        <translation>unlimited</translation>
    </message>
    <message>
        <source>%1子让子棋</source>
        <translation>%1-stone handicap</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>zh</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>PrintCommand</name>
    <message>
        <source>棋谱打印</source>
        <translation>Print record</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在打印第 %1 页，共 %2 页</source>
        <translation>Printing page %1 of %2</translation>
    </message>
    <message>
        <source>未找到打印机：请把打印内容保存为 PDF 文件</source>
        <translation>No printer was found: save the print as a PDF file</translation>
    </message>
    <message>
        <source>没有打印任何内容：棋谱中没有可打印的着手。</source>
        <translation>Nothing was printed: the record has no moves to print.</translation>
    </message>
    <message>
        <source>打印已取消，没有写入文件。</source>
        <translation>Printing was cancelled; no file was written.</translation>
    </message>
    <message>
        <source>打印已取消，没有打印任何内容。</source>
        <translation>Printing was cancelled; nothing was printed.</translation>
    </message>
    <message>
        <source>打印在第 %1 页（共 %2 页）后取消；这些页已送到打印机。</source>
        <translation>Printing was cancelled after %1 of %2 pages; the printer had already taken those pages.</translation>
    </message>
    <message>
        <source>有 %1 手下在已有棋子的点上，未能列在其图下：每图的注记最多 %2 项、%3 个字母，且只用图下页面容得下的行。减少每图的手数或缩小格子，即可全部列出。</source>
        <translation>%1 of the moves played on points already taken could not be listed under their diagrams: the notes of one diagram have room for %2 entries and %3 labels, in the rows that fit on the page below it. Print fewer moves per diagram, or a smaller cell, to list them all.</translation>
    </message>
    <message>
        <source>打印失败：%1</source>
        <translation>Printing failed: %1</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>共 %1 手</source>
        <translation>%1 moves</translation>
    </message>
</context>
<context>
    <name>ReferenceWindow</name>
    <message>
        <source>参考图</source>
        <translation>Reference diagram</translation>
    </message>
    <message>
        <source>研讨</source>
        <translation>Study</translation>
    </message>
    <message>
        <source>结束</source>
        <translation>End</translation>
    </message>
    <message>
        <source>弃手</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Letters</translation>
    </message>
    <message>
        <source>手 参考图</source>
        <translation>Reference diagram</translation>
    </message>
    <message>
        <source>%1手 参考图</source>
        <translation>Diagram after move %1</translation>
    </message>
</context>
<context>
    <name>TViewerWindow</name>
    <message>
        <source>打开棋谱</source>
        <translation>Open a game record</translation>
    </message>
    <message>
        <source>棋谱</source>
        <translation>Game records</translation>
    </message>
    <message>
        <source>标准 SGF</source>
        <translation>Standard SGF</translation>
    </message>
    <message>
        <source>NGF 棋谱</source>
        <translation>NGF records</translation>
    </message>
    <message>
        <source>标签格式文本</source>
        <translation>Tag-format text</translation>
    </message>
    <message>
        <source>所有文件</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>打开(&amp;O)…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>最近打开(&amp;R)</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>打印(&amp;P)…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>坐标(&amp;C)</source>
        <translation>&amp;Coordinates</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>按键和鼠标(&amp;K)</source>
        <translation>&amp;Keys and Mouse</translation>
    </message>
    <message>
        <source>原设计：A–S，1 在上(&amp;D)</source>
        <translation>As &amp;designed: A–S, 1 at the top</translation>
    </message>
    <message>
        <source>标准：A–T（无 I），1 在下(&amp;S)</source>
        <translation>&amp;Standard: A–T without I, 1 at the bottom</translation>
    </message>
    <message>
        <source>无(&amp;N)</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>原设计</source>
        <translation>as designed</translation>
    </message>
    <message>
        <source>标准</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>按棋谱格式（当前：%1）(&amp;F)</source>
        <translation>By the record&apos;s &amp;format (now: %1)</translation>
    </message>
    <message>
        <source>无法保存设置：%1</source>
        <translation>The setting could not be stored: %1</translation>
    </message>
    <message>
        <source>%1 中没有棋谱；显示的对局不变</source>
        <translation>%1 holds no game record; the game shown is unchanged</translation>
    </message>
    <message>
        <source>（找不到）</source>
        <translation> (not found)</translation>
    </message>
    <message>
        <source>没有最近打开的棋谱</source>
        <translation>No recent files</translation>
    </message>
    <message>
        <source>清除列表(&amp;C)</source>
        <translation>&amp;Clear the List</translation>
    </message>
    <message>
        <source>按键和鼠标</source>
        <translation>Keys and Mouse</translation>
    </message>
</context>
<context>
    <name>TXVexoView</name>
    <message>
        <source>试下</source>
        <translation>Try moves</translation>
    </message>
    <message>
        <source>结束试下</source>
        <translation>End trial</translation>
    </message>
    <message>
        <source>显示手数</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>隐藏手数</source>
        <translation>No numbers</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>跳至</source>
        <translation>Go to</translation>
    </message>
</context>
<context>
    <name>xvexo::TCHelpForm</name>
    <message>
        <source>后退五手 (Page Up)</source>
        <translation>Five moves back (Page Up)</translation>
    </message>
    <message>
        <source>后退一手 (Left)</source>
        <translation>One move back (Left)</translation>
    </message>
    <message>
        <source>前进一手 (Right)</source>
        <translation>One move forward (Right)</translation>
    </message>
    <message>
        <source>前进五手 (Page Down)</source>
        <translation>Five moves forward (Page Down)</translation>
    </message>
    <message>
        <source>研讨：在图上摆自己的着法，结束后恢复原图</source>
        <translation>Study: play moves of your own on the diagram; End shows it again as it was</translation>
    </message>
    <message>
        <source>研讨中弃一手</source>
        <translation>Pass a move in study</translation>
    </message>
    <message>
        <source>勾选后点击棋盘放置字母</source>
        <translation>When ticked, a click on the board puts a letter there</translation>
    </message>
    <message>
        <source>下一个字母</source>
        <translation>The next letter</translation>
    </message>
</context>
<context>
    <name>xvexo::TOwnkForm</name>
    <message>
        <source>棋谱打印</source>
        <translation>Print record</translation>
    </message>
    <message>
        <source>打印机设置</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>全高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>全宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>上余空</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>左余空</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>分别手数</source>
        <translation>Cell size</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>What to print</translation>
    </message>
    <message>
        <source>打印总谱</source>
        <translation>Whole record</translation>
    </message>
    <message>
        <source>打印部分谱</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>棋谱分每</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>步打印</source>
        <comment>after the moves a diagram</comment>
        <translation>moves</translation>
    </message>
    <message>
        <source>每页分</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>步打印</source>
        <comment>after the diagrams a page</comment>
        <translation>diagrams</translation>
    </message>
    <message>
        <source>打 印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>xvexo::TXVexoView</name>
    <message>
        <source>解说</source>
        <translation>Commentary</translation>
    </message>
    <message>
        <source>试下：在棋盘上摆自己的着法，结束后棋谱不变</source>
        <translation>Try moves: play moves of your own on the board; the record stays as it is</translation>
    </message>
    <message>
        <source>结束试下，回到棋谱</source>
        <translation>End trial play and return to the record</translation>
    </message>
    <message>
        <source>显示手数：在每个棋子上显示手数</source>
        <translation>Numbers: show the move number on every stone</translation>
    </message>
    <message>
        <source>隐藏手数</source>
        <translation>Hide the move numbers</translation>
    </message>
    <message>
        <source>自动：每隔右边的秒数自动下一手</source>
        <translation>Auto: one move forward every so many seconds (set on the right)</translation>
    </message>
    <message>
        <source>停止自动播放</source>
        <translation>Stop automatic play</translation>
    </message>
    <message>
        <source>打印棋谱</source>
        <translation>Print the record</translation>
    </message>
    <message>
        <source>跳至右边输入的手数</source>
        <translation>Go to the move typed on the right</translation>
    </message>
    <message>
        <source>要跳至的手数（回车跳至）</source>
        <translation>The move to go to (Enter goes there)</translation>
    </message>
    <message>
        <source>自动播放每手的秒数</source>
        <translation>Seconds a move in automatic play</translation>
    </message>
    <message>
        <source>回到开局</source>
        <translation>To the start</translation>
    </message>
    <message>
        <source>后退五手</source>
        <translation>Five moves back</translation>
    </message>
    <message>
        <source>后退一手</source>
        <translation>One move back</translation>
    </message>
    <message>
        <source>前进一手</source>
        <translation>One move forward</translation>
    </message>
    <message>
        <source>前进五手</source>
        <translation>Five moves forward</translation>
    </message>
    <message>
        <source>到终局</source>
        <translation>To the end</translation>
    </message>
</context>
</TS>
