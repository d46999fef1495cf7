<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: cannot write the reading to standard output</source>
        <translation>%1: fal standart çıktıya yazılamadı</translation>
    </message>
    <message>
        <source>A coffee-cup reading: your symbol for the day and its traditional meaning.
Without options, Brewlore opens its window.</source>
        <translation>Kahve falı: günün sembolü ve geleneksel anlamı.
Seçenek verilmezse Brewlore penceresini açar.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Bu yardımı gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Sürümü gösterir ve çıkar.</translation>
    </message>
    <message>
        <source>Print one reading and end: the symbol&apos;s name on one line, its meaning on the next. Needs no display.</source>
        <translation>Bir fal yazar ve çıkar: bir satırda sembolün adı, sonrakinde anlamı. Ekran gerektirmez.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Beklenmeyen argüman &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>%1: cannot write to standard output</source>
        <translation>%1: standart çıktıya yazılamadı</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <source>%1: cannot open its window: %2. For a reading in this terminal, run: %1 --reading</source>
        <translation>%1: pencere açılamıyor: %2. Falınızı bu uçbirimde görmek için şunu çalıştırın: %1 --reading</translation>
    </message>
    <message>
        <source>its display could not be opened</source>
        <translation>ekran açılamadı</translation>
    </message>
    <message>
        <source>%1: unknown platform &quot;%2&quot;. Available platforms: %3</source>
        <translation>%1: bilinmeyen platform “%2”. Kullanılabilen platformlar: %3</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Kullanım: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[seçenekler]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Seçenekler:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Bilinmeyen seçenek &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Bilinmeyen seçenekler: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; seçeneğinin değeri eksik.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; seçeneği değer almaz.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Uygulama zaten çalışıyor</translation>
    </message>
</context>
<context>
    <name>forms</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Çevrimiçi &amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Web Sitemizi Ziyaret Et</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Yazılım &amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Bağış Yap</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>İnternetten &amp;Para Kazan</translation>
    </message>
    <message>
        <source>Quillory Softwares, such as this can be created and maintained only with your support. The best way to support Quillory is to visit Quillory regularly and take part in the discussions and other activities on the board.</source>
        <translation>Bunun gibi Quillory yazılımları ancak sizin desteğinizle geliştirilip sürdürülebilir. Quillory&apos;yi desteklemenin en iyi yolu, Quillory&apos;yi düzenli olarak ziyaret etmek ve forumdaki tartışmalara ve diğer etkinliklere katılmaktır.</translation>
    </message>
    <message>
        <source>Visit Quillory regularly. Support Quillory by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quillory</source>
        <translation>Quillory&apos;yi düzenli olarak ziyaret edin. Tartışmalara ve diğer etkinliklere katılarak Quillory&apos;yi destekleyin. Siz Quillory&apos;yi düzenli olarak ziyaret etmezseniz bu yazılımlar desteklenemez ve sürdürülemez.</translation>
    </message>
    <message>
        <source>Quillory is a FREE online discussion forum for all things quillory. To help Quillory develop and maintain this software visit Quillory regularly.</source>
        <translation>Quillory, quillory ile ilgili her şey için ÜCRETSİZ bir çevrimiçi tartışma forumudur. Quillory&apos;nin bu yazılımı geliştirip sürdürmesine yardımcı olmak için Quillory&apos;yi düzenli olarak ziyaret edin.</translation>
    </message>
    <message>
        <source>Quillory needs your help. All you need to do is visit Quillory regularly and take part in the various discussions and activites to help us maintain and develop more Quillory Softwares.</source>
        <translation>Quillory&apos;nin yardımınıza ihtiyacı var. Tek yapmanız gereken Quillory&apos;yi düzenli olarak ziyaret etmek ve çeşitli tartışmalara ve etkinliklere katılmak; böylece daha fazla Quillory yazılımını sürdürmemize ve geliştirmemize yardımcı olursunuz.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quillory Softwares. From a single software, we have now grown to become the world’s largest resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <translation>Bu yazılımı beğendiyseniz diğer Quillory yazılımlarımız da mutlaka ilginizi çekecektir. Tek bir yazılımla başladık, bugün dünyanın en büyük quillory yazılımları kaynağı haline geldik. Astroloji, medyumluk, tarot, numeroloji ya da okültizm; her alanda programlarımız var ve kullanıcılarımıza ilgi alanlarına göre geniş bir yelpaze sunuyoruz.</translation>
    </message>
    <message>
        <source>All the programs in the Quillory Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Quillory Yazılımları paketindeki tüm programlar basit ve kullanımı kolaydır. Hem eğlencelidir hem de çok şey öğretir. Hemen bugün deneyin, izlenimlerinizi arkadaşlarınızla ve ailenizle paylaşın.</translation>
    </message>
    <message>
        <source>Opens the discussion board in your web browser</source>
        <translation>Tartışma forumunu web tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Opens the co-branding offer in your web browser</source>
        <translation>Ortak markalama teklifini web tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Opens the full-branding offer in your web browser</source>
        <translation>Tam markalama teklifini web tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Brewlore v%1</source>
        <translation>Brewlore v%1</translation>
    </message>
</context>
<context>
    <name>forms::frmAbout</name>
    <message>
        <source>Brewlore is an effective tool, which is based on the art of reading the coffee grounds. This involves the art or practice of predicting fortunes and interpreting the near future of people from the coffee patterns.</source>
        <translation>Brewlore, kahve falı bakma sanatına dayanan etkili bir araçtır. Bu sanat, fincandaki telvenin şekillerinden insanların talihini öngörmeyi ve yakın geleceklerini yorumlamayı kapsar.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 adresini ziyaret edin</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Evden İş Fırsatı. Kendi internet işinizi kurun, internetten para kazanın. Bu yazılımı tamamen kendi sitenizin markasıyla edinin.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Ayrıntılar için tıklayın</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Opens the home page in your web browser</source>
        <translation>Ana sayfayı web tarayıcınızda açar</translation>
    </message>
    <message>
        <source>Opens the full-branding offer in your web browser</source>
        <translation>Tam markalama teklifini web tarayıcınızda açar</translation>
    </message>
</context>
<context>
    <name>forms::frmDisplay</name>
    <message>
        <source>Your Coffee Cup Symbol for the Day is:</source>
        <translation>Bugün fincanınızdan çıkan sembol:</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Yazılım Güncellemelerini &amp;Denetle</translation>
    </message>
</context>
<context>
    <name>forms::frmMain</name>
    <message>
        <source>Get answers to your problems with Brewlore. Start now for immediate results!</source>
        <translation>Brewlore ile sorunlarınıza yanıt bulun. Hemen başlayın, sonucu anında görün!</translation>
    </message>
    <message>
        <source>Coffee pot</source>
        <translation>Cezve</translation>
    </message>
    <message>
        <source>Press for your coffee cup reading of the day</source>
        <translation>Günün kahve falı için tıklayın</translation>
    </message>
    <message>
        <source>Click On The Coffee Pot To Know Your Coffee Cup Reading For the Day</source>
        <translation>Günün kahve falını öğrenmek için cezveye&#xa0;tıklayın</translation>
    </message>
    <message>
        <source>Please Wait</source>
        <translation>Bekleyin</translation>
    </message>
    <message>
        <source>Your reading is being prepared: one dot a second, four in all</source>
        <translation>Falınız hazırlanıyor: saniyede bir nokta, toplam dört nokta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Yazılım &amp;Güncellemelerini Denetle</translation>
    </message>
</context>
<context>
    <name>forms::frmNagScreen2</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hemen Ziyaret Edin: %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Bir Arkadaşınıza Önerin</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Arkadaşınıza &amp;Hemen Önerin</translation>
    </message>
    <message>
        <source>Download Quillory Softwares</source>
        <translation>Quillory Yazılımlarını İndirin</translation>
    </message>
    <message>
        <source>Click Here To Visit Quillory Softwares</source>
        <translation>Quillory Yazılımlarına Göz Atın</translation>
    </message>
    <message>
        <source>Opens the home page in your web browser; the box does not stay ticked</source>
        <translation>Ana sayfayı web tarayıcınızda açar; kutu işaretli kalmaz</translation>
    </message>
    <message>
        <source>Opens the Quillory Softwares page in your web browser</source>
        <translation>Quillory Yazılımları sayfasını web tarayıcınızda açar</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Bu yazılım için bir güncelleme çıkmış olabilir.<byte value="xd"/>Güncellemeleri denetlemek ister misiniz?</translation>
    </message>
</context>
<context>
    <name>modSymbols</name>
    <message>
        <source>ANCHOR</source>
        <translation>ÇAPA</translation>
    </message>
    <message>
        <source>This symbol stands for change and settling at a new place. </source>
        <translation>Değişime ve yeni bir yere yerleşmeye işaret eder.</translation>
    </message>
    <message>
        <source>APPLE</source>
        <translation>ELMA</translation>
    </message>
    <message>
        <source>This symbol implies new birth and creation.</source>
        <translation>Bu sembol yeni bir doğuma ve yaratıcılığa işaret eder.</translation>
    </message>
    <message>
        <source>ARCH</source>
        <translation>KAPI KEMERİ</translation>
    </message>
    <message>
        <source>You can gain money from business. </source>
        <translation>İşlerinizden para kazanabilirsiniz.</translation>
    </message>
    <message>
        <source>BABY</source>
        <translation>BEBEK</translation>
    </message>
    <message>
        <source>Fresh aspirations, purity and serenity. A new birth can be on the card.</source>
        <translation>Yeni umutlar, saflık ve huzur. Yeni bir doğum kapıda olabilir.</translation>
    </message>
    <message>
        <source>BALL</source>
        <translation>TOP</translation>
    </message>
    <message>
        <source>Putting the finishing touch, change in luck.</source>
        <translation>Bir işe son dokunuşları yapmak; şansınızda bir değişim.</translation>
    </message>
    <message>
        <source>BELL</source>
        <translation>ÇAN</translation>
    </message>
    <message>
        <source>Creative energy, heightened spirituality. </source>
        <translation>Yaratıcı enerji, yükselen maneviyat.</translation>
    </message>
    <message>
        <source>BIRD</source>
        <translation>KUŞ</translation>
    </message>
    <message>
        <source>You will get some good news soon.</source>
        <translation>Yakında güzel haberler alacaksınız.</translation>
    </message>
    <message>
        <source>BREAD</source>
        <translation>EKMEK</translation>
    </message>
    <message>
        <source>Work hard to fulfill your desires. </source>
        <translation>İsteklerinize kavuşmak için çok çalışın.</translation>
    </message>
    <message>
        <source>BRIDGE</source>
        <translation>KÖPRÜ</translation>
    </message>
    <message>
        <source>Coping with tumultuous situation, a point of transition. A clear bridge signifies win over all difficulties. </source>
        <translation>Çalkantılı bir durumla başa çıkmak, bir geçiş noktası. Belirgin bir köprü, tüm zorlukların üstesinden geleceğinizi gösterir.</translation>
    </message>
    <message>
        <source>BUTTERFLY</source>
        <translation>KELEBEK</translation>
    </message>
    <message>
        <source>Flirtatious streak of mind. Transformation.</source>
        <translation>Flörte yatkın bir ruh hâli. Dönüşüm.</translation>
    </message>
    <message>
        <source>CAMERA</source>
        <translation>FOTOĞRAF MAKİNESİ</translation>
    </message>
    <message>
        <source>You may be regarded as highly attractive by some important person. </source>
        <translation>Önemli biri sizi çok çekici bulabilir.</translation>
    </message>
    <message>
        <source>CANDLE</source>
        <translation>MUM</translation>
    </message>
    <message>
        <source>Your long cherished dream can come true. Support from others.</source>
        <translation>Uzun zamandır beslediğiniz hayaliniz gerçekleşebilir. Çevrenizden destek.</translation>
    </message>
    <message>
        <source>CAT</source>
        <translation>KEDİ</translation>
    </message>
    <message>
        <source>A whimsical person.  You need not worry about white cats. Be on your guard if it is black. </source>
        <translation>Kaprisli biri. Beyaz kediler için endişelenmenize gerek yok. Kedi siyahsa dikkatli olun.</translation>
    </message>
    <message>
        <source>CHAIN</source>
        <translation>ZİNCİR</translation>
    </message>
    <message>
        <source>Think twice before changing anything</source>
        <translation>Bir şeyi değiştirmeden önce iyice düşünün.</translation>
    </message>
    <message>
        <source>CHAIR</source>
        <translation>SANDALYE</translation>
    </message>
    <message>
        <source>A promotion, increase in social status</source>
        <translation>Terfi, toplumsal statüde yükselme.</translation>
    </message>
    <message>
        <source>CIRCLE</source>
        <translation>HALKA</translation>
    </message>
    <message>
        <source>Accomplishment, finishing a work successfully</source>
        <translation>Bir hedefe ulaşmak, bir işi başarıyla tamamlamak.</translation>
    </message>
    <message>
        <source>CIRCLES WITH A DOT INSIDE</source>
        <translation>İÇİ NOKTALI HALKALAR</translation>
    </message>
    <message>
        <source>you can be a father/mother soon.</source>
        <translation>Yakında anne ya da baba olabilirsiniz.</translation>
    </message>
    <message>
        <source>COINS</source>
        <translation>PARALAR</translation>
    </message>
    <message>
        <source>Unexpected gain of money.  </source>
        <translation>Beklenmedik bir para kazancı.</translation>
    </message>
    <message>
        <source>CROSS</source>
        <translation>HAÇ</translation>
    </message>
    <message>
        <source>Safeguarding, religious  devotion and sacrifice </source>
        <translation>Korunma, dinî bağlılık ve fedakârlık.</translation>
    </message>
    <message>
        <source>Victory after much difficulty. </source>
        <translation>Nice zorluktan sonra gelen zafer.</translation>
    </message>
    <message>
        <source>DIAMONDS</source>
        <translation>ELMASLAR</translation>
    </message>
    <message>
        <source>You can expect a marriage proposal. If already married, wealth and prosperity is on the card.</source>
        <translation>Bir evlilik teklifi bekleyebilirsiniz. Zaten evliyseniz zenginlik ve refah yolda.</translation>
    </message>
    <message>
        <source>DOG</source>
        <translation>KÖPEK</translation>
    </message>
    <message>
        <source>Finding a true friend, protection and loyalty</source>
        <translation>Gerçek bir dost bulmak, koruma ve sadakat.</translation>
    </message>
    <message>
        <source>DOOR</source>
        <translation>KAPI</translation>
    </message>
    <message>
        <source>Something related to the government or new possibilities</source>
        <translation>Devletle ilgili bir iş ya da yeni olanaklar.</translation>
    </message>
    <message>
        <source>ENVELOPE</source>
        <translation>ZARF</translation>
    </message>
    <message>
        <source>A new message is coming. White envelope stands for good news while the dark one signifies bad news.</source>
        <translation>Yeni bir haber geliyor. Beyaz zarf iyi habere, koyu renkli zarf ise kötü habere işaret&#xa0;eder.</translation>
    </message>
    <message>
        <source>EYE</source>
        <translation>GÖZ</translation>
    </message>
    <message>
        <source>someone is observing you </source>
        <translation>Biri sizi izliyor.</translation>
    </message>
    <message>
        <source>FIRE WORKS</source>
        <translation>HAVAİ FİŞEKLER</translation>
    </message>
    <message>
        <source>Altercation and complications in your private life</source>
        <translation>Özel hayatınızda tartışmalar ve karışıklıklar.</translation>
    </message>
    <message>
        <source>FIRE</source>
        <translation>ATEŞ</translation>
    </message>
    <message>
        <source>Be cautious while dealing with electrical equipments and inflammable things.</source>
        <translation>Elektrikli aletleri ve yanıcı maddeleri kullanırken dikkatli olun.</translation>
    </message>
    <message>
        <source>FISH</source>
        <translation>BALIK</translation>
    </message>
    <message>
        <source>good fortune in money matters.  </source>
        <translation>Para işlerinde iyi talih.</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>BAYRAK</translation>
    </message>
    <message>
        <source>symbol of fraternity and  peace.  </source>
        <translation>Kardeşliğin ve barışın sembolü.</translation>
    </message>
    <message>
        <source>FLOWERS</source>
        <translation>ÇİÇEKLER</translation>
    </message>
    <message>
        <source>Happy time for you!</source>
        <translation>Sizi mutlu günler bekliyor!</translation>
    </message>
    <message>
        <source>GENIE LAMP</source>
        <translation>SİHİRLİ LAMBA</translation>
    </message>
    <message>
        <source>Your dream may come true. </source>
        <translation>Hayaliniz gerçekleşebilir.</translation>
    </message>
    <message>
        <source>GOAT</source>
        <translation>KEÇİ</translation>
    </message>
    <message>
        <source>This symbol signifies an austere person</source>
        <translation>Bu sembol sert ve katı bir kişiye işaret eder.</translation>
    </message>
    <message>
        <source>HAND</source>
        <translation>EL</translation>
    </message>
    <message>
        <source>An open hand means help from your friends</source>
        <translation>Açık bir el, dostlarınızdan yardım anlamına gelir.</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>ARP</translation>
    </message>
    <message>
        <source>You may find the love of your life </source>
        <translation>Hayatınızın aşkını bulabilirsiniz.</translation>
    </message>
    <message>
        <source>HAWK</source>
        <translation>ŞAHİN</translation>
    </message>
    <message>
        <source>Someone is trying to snatch your possessions</source>
        <translation>Biri elinizdekileri kapmaya çalışıyor.</translation>
    </message>
    <message>
        <source>HEART</source>
        <translation>KALP</translation>
    </message>
    <message>
        <source>An indication of affection, tender feeling and good health</source>
        <translation>Sevginin, şefkatin ve sağlığın işareti.</translation>
    </message>
    <message>
        <source>HORSE</source>
        <translation>AT</translation>
    </message>
    <message>
        <source>Galloping horse is a good omen</source>
        <translation>Dörtnala koşan at iyiye işarettir.</translation>
    </message>
    <message>
        <source>HORSESHOE</source>
        <translation>AT NALI</translation>
    </message>
    <message>
        <source>Luck is in your favor</source>
        <translation>Şans sizden yana.</translation>
    </message>
    <message>
        <source>HOUSE</source>
        <translation>EV</translation>
    </message>
    <message>
        <source>Safety, change, fulfillment of your desire</source>
        <translation>Güven, değişim, dileğinizin gerçekleşmesi.</translation>
    </message>
    <message>
        <source>JUDGE</source>
        <translation>YARGIÇ</translation>
    </message>
    <message>
        <source>Trial and justice</source>
        <translation>Dava ve adalet.</translation>
    </message>
    <message>
        <source>KANGAROO</source>
        <translation>KANGURU</translation>
    </message>
    <message>
        <source>You would achieve your target faster than you imagined</source>
        <translation>Hedefinize sandığınızdan daha çabuk ulaşacaksınız.</translation>
    </message>
    <message>
        <source>KITE</source>
        <translation>UÇURTMA</translation>
    </message>
    <message>
        <source>Independence and an ambitious flight</source>
        <translation>Bağımsızlık ve yükseklere uçma hırsı.</translation>
    </message>
    <message>
        <source>KNIFE</source>
        <translation>BIÇAK</translation>
    </message>
    <message>
        <source>Be aware of deceitful friends</source>
        <translation>Sahte dostlara karşı dikkatli olun.</translation>
    </message>
    <message>
        <source>KNOTS</source>
        <translation>DÜĞÜMLER</translation>
    </message>
    <message>
        <source>Complications in your life. Maintain a healthy routine everyday</source>
        <translation>Hayatınızda karışıklıklar. Her gün sağlıklı bir düzen sürdürün.</translation>
    </message>
    <message>
        <source>LADDER</source>
        <translation>MERDİVEN</translation>
    </message>
    <message>
        <source>Increase in prestige, a high position in social hierarchy or a promotion</source>
        <translation>İtibarınızda artış, toplumda yüksek bir mevki ya da terfi.</translation>
    </message>
    <message>
        <source>LAMP</source>
        <translation>LAMBA</translation>
    </message>
    <message>
        <source>A sudden flash of new idea</source>
        <translation>Aniden parlayan yeni bir fikir.</translation>
    </message>
    <message>
        <source>LAWYER</source>
        <translation>AVUKAT</translation>
    </message>
    <message>
        <source>You will sign an agreement soon</source>
        <translation>Yakında bir anlaşma imzalayacaksınız.</translation>
    </message>
    <message>
        <source>LINES</source>
        <translation>ÇİZGİLER</translation>
    </message>
    <message>
        <source>Tour and undertaking new project. Clear lines signify a favorable outcome.</source>
        <translation>Yolculuk ve yeni bir projeye girişmek. Belirgin çizgiler olumlu bir sonuca işaret eder.</translation>
    </message>
    <message>
        <source>LION</source>
        <translation>ASLAN</translation>
    </message>
    <message>
        <source>A powerful mentor or friend</source>
        <translation>Güçlü bir akıl hocası ya da dost.</translation>
    </message>
    <message>
        <source>MASK</source>
        <translation>MASKE</translation>
    </message>
    <message>
        <source>Try to find out the hidden truth</source>
        <translation>Gizli gerçeği ortaya çıkarmaya çalışın.</translation>
    </message>
    <message>
        <source>MOON</source>
        <translation>AY</translation>
    </message>
    <message>
        <source>New moon heralds new beginning. A waning moon signifies the end </source>
        <translation>Yeni ay yeni bir başlangıcın habercisidir. Küçülen ay ise bir dönemin sona erdiğini&#xa0;gösterir.</translation>
    </message>
    <message>
        <source>MOUNTED HORSEMAN</source>
        <translation>ATLI</translation>
    </message>
    <message>
        <source>A new person in your life and there may be some attachment</source>
        <translation>Hayatınıza yeni biri giriyor ve aranızda bir bağ oluşabilir.</translation>
    </message>
    <message>
        <source>NAIL</source>
        <translation>ÇİVİ</translation>
    </message>
    <message>
        <source>Something unjust or unfair can happen</source>
        <translation>Bir haksızlığa uğrayabilirsiniz.</translation>
    </message>
    <message>
        <source>NECKLACE</source>
        <translation>KOLYE</translation>
    </message>
    <message>
        <source>Broken necklace stands for trouble. You can lose your lover</source>
        <translation>Kopuk bir kolye sıkıntıya işaret eder. Sevgilinizi kaybedebilirsiniz.</translation>
    </message>
    <message>
        <source>OCTOPUS</source>
        <translation>AHTAPOT</translation>
    </message>
    <message>
        <source>Performing a number of tasks at the same time</source>
        <translation>Aynı anda birçok işle uğraşmak.</translation>
    </message>
    <message>
        <source>OPEN WINDOW</source>
        <translation>AÇIK PENCERE</translation>
    </message>
    <message>
        <source>A very good opportunity is coming your way</source>
        <translation>Önünüze çok iyi bir fırsat çıkıyor.</translation>
    </message>
    <message>
        <source>OWL</source>
        <translation>BAYKUŞ</translation>
    </message>
    <message>
        <source>Take care of your health. Someone close to you can pass away</source>
        <translation>Sağlığınıza dikkat edin. Yakınlarınızdan biri hayatını kaybedebilir.</translation>
    </message>
    <message>
        <source>PEACOCK</source>
        <translation>TAVUS KUŞU</translation>
    </message>
    <message>
        <source>Grace, lavishness and something you can take pride in</source>
        <translation>Zarafet, şatafat ve gurur duyabileceğiniz bir şey.</translation>
    </message>
    <message>
        <source>PURSE</source>
        <translation>CÜZDAN</translation>
    </message>
    <message>
        <source>You can gain money if it is on top. At bottom, the opposite will happen</source>
        <translation>Fincanın üst kısmındaysa para kazanabilirsiniz. Dipteyse bunun tersi olur.</translation>
    </message>
    <message>
        <source>QUESTION MARK</source>
        <translation>SORU İŞARETİ</translation>
    </message>
    <message>
        <source>Be cautious and consider wisely before going for something new</source>
        <translation>Yeni bir şeye girişmeden önce temkinli olun, iyice tartıp biçin.</translation>
    </message>
    <message>
        <source>RAT</source>
        <translation>FARE</translation>
    </message>
    <message>
        <source>Burglary, loss of money </source>
        <translation>Hırsızlık, para kaybı.</translation>
    </message>
    <message>
        <source>RING</source>
        <translation>YÜZÜK</translation>
    </message>
    <message>
        <source>Wedding bells for you. If it is situated at the bottom an enduring affair is on the card. If broken, it signifies complication in marriage</source>
        <translation>Yakında düğün görünüyor. Fincanın dibindeyse uzun soluklu bir ilişki yolda. Kırıksa evlilikte sorunlara işaret eder.</translation>
    </message>
    <message>
        <source>RINGS</source>
        <translation>YÜZÜKLER</translation>
    </message>
    <message>
        <source>Completion of some important work, new engagement and proposal </source>
        <translation>Önemli bir işin tamamlanması, yeni bir nişan ve evlilik teklifi.</translation>
    </message>
    <message>
        <source>ROOSTER</source>
        <translation>HOROZ</translation>
    </message>
    <message>
        <source>You can indulge in some kind of quarrel</source>
        <translation>Bir tartışmaya karışabilirsiniz.</translation>
    </message>
    <message>
        <source>ROSE</source>
        <translation>GÜL</translation>
    </message>
    <message>
        <source>A classic symbol for love and sensuality </source>
        <translation>Aşkın ve tutkunun klasik sembolü.</translation>
    </message>
    <message>
        <source>SCALE</source>
        <translation>TERAZİ</translation>
    </message>
    <message>
        <source>Issues related to law. A well balanced scale means justice; the unbalanced one means injustice </source>
        <translation>Hukukla ilgili meseleler. Dengeli bir terazi adalet, dengesiz bir terazi ise adaletsizlik&#xa0;demektir.</translation>
    </message>
    <message>
        <source>SHIP</source>
        <translation>GEMİ</translation>
    </message>
    <message>
        <source>You can detect new business opportunity </source>
        <translation>Yeni bir iş fırsatı yakalayabilirsiniz.</translation>
    </message>
    <message>
        <source>SHOE</source>
        <translation>AYAKKABI</translation>
    </message>
    <message>
        <source>The condition of the shoe signifies soul. It can also mean transformation</source>
        <translation>Ayakkabının durumu ruh hâlinizi gösterir. Dönüşüm anlamına da gelebilir.</translation>
    </message>
    <message>
        <source>SNAKE</source>
        <translation>YILAN</translation>
    </message>
    <message>
        <source>An aggressive snake implies an enemy</source>
        <translation>Saldırgan bir yılan bir düşmana işaret eder.</translation>
    </message>
    <message>
        <source>SQUARES</source>
        <translation>KARELER</translation>
    </message>
    <message>
        <source>Possibilities of buying a new house</source>
        <translation>Yeni bir ev alma olasılığı.</translation>
    </message>
    <message>
        <source>STARS</source>
        <translation>YILDIZLAR</translation>
    </message>
    <message>
        <source>Good luck and positive outcome</source>
        <translation>Şans yüzünüze gülüyor; işleriniz iyi sonuçlanacak.</translation>
    </message>
    <message>
        <source>SUN</source>
        <translation>GÜNEŞ</translation>
    </message>
    <message>
        <source>A time for celebration. It stands for delight and success</source>
        <translation>Kutlama zamanı. Sevince ve başarıya işaret eder.</translation>
    </message>
    <message>
        <source>SWORD</source>
        <translation>KILIÇ</translation>
    </message>
    <message>
        <source>Some argument regarding the question of authority</source>
        <translation>Yetki meselesi yüzünden bir anlaşmazlık.</translation>
    </message>
    <message>
        <source>TABLE</source>
        <translation>MASA</translation>
    </message>
    <message>
        <source>You can enjoy at the gathering of near and dear ones</source>
        <translation>Sevdiklerinizle bir araya gelip keyifli vakit geçirebilirsiniz.</translation>
    </message>
    <message>
        <source>TREE</source>
        <translation>AĞAÇ</translation>
    </message>
    <message>
        <source>Improvement in life and creative energy</source>
        <translation>Hayatınız iyiye gidiyor; yaratıcı enerjiniz artıyor.</translation>
    </message>
    <message>
        <source>TRIANGLE</source>
        <translation>ÜÇGEN</translation>
    </message>
    <message>
        <source>Something unpredictable may take place</source>
        <translation>Öngörülemeyen bir şey olabilir.</translation>
    </message>
    <message>
        <source>Turtle</source>
        <translation>KAPLUMBAĞA</translation>
    </message>
    <message>
        <source>You are implementing your plans at a low pace</source>
        <translation>Planlarınızı ağır ağır hayata geçiriyorsunuz.</translation>
    </message>
    <message>
        <source>WATERFALL</source>
        <translation>ŞELALE</translation>
    </message>
    <message>
        <source>Abundance and affluence</source>
        <translation>Bolluk ve refah.</translation>
    </message>
    <message>
        <source>WHEEL</source>
        <translation>TEKERLEK</translation>
    </message>
    <message>
        <source>A wheel in a good shape marks good fortune; if broken, the result will be negative</source>
        <translation>Düzgün bir tekerlek iyi talihe işaret eder; kırıksa sonuç olumsuz olur.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Your Name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>E-posta adresiniz</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesajınız</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Arkadaşınızın adı</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Arkadaşınızın e-posta adresi</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Lütfen farklı e-posta adresleri girin</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Lütfen geçerli bir e-posta adresi girin</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Lütfen adınızı girin</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Lütfen e-posta adresinizi girin</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Lütfen mesajınızı girin</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Lütfen arkadaşınızın adını girin</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Lütfen arkadaşınızın e-posta adresini girin</translation>
    </message>
    <message>
        <source>Your web browser could not be opened, so your referral was not sent. Everything you typed is still here; please try again.</source>
        <translation>Web tarayıcınız açılamadı, bu yüzden öneriniz gönderilemedi. Yazdıklarınızın hepsi burada duruyor; lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>Your referral is too long for your web browser, so it was not sent. Please shorten the names or the email addresses.</source>
        <translation>Öneriniz web tarayıcınız için fazla uzun, bu yüzden gönderilmedi. Lütfen adları ya da e-posta adreslerini kısaltın.</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Brewlore</source>
        <translation>Brewlore</translation>
    </message>
</context>
<context>
    <name>promotions</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Bu yazılımı sitenizin markasıyla sunun; ziyaretçi sadakatini ve trafiği artırın. Sitenizin adı ve bağlantısı burada olsun. Ayrıntılar “Yardım”da. Ortak markalama bilgisi için tıklayın.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Evden İş Fırsatı. Kendi internet işinizi kurun, internetten para kazanın. Bu yazılımı tamamen kendi sitenizin markasıyla edinin. Ayrıntılar için buraya tıklayın.</translation>
    </message>
    <message>
        <source>The Most Popular Online Quillory Discussion Board. Best Resource For Everything Quillory. Visit %1 Now</source>
        <translation>En Popüler Çevrimiçi Quillory Forumu. Quillory Üzerine Her Şeyin En&#xa0;İyi&#xa0;Kaynağı. %1 Adresine Hemen Uğrayın</translation>
    </message>
</context>
<context>
    <name>referral::PromptTextField</name>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-posta adresi boşluk içeremez</translation>
    </message>
</context>
</TS>
